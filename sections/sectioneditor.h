#ifndef SECTIONEDITOR_H
#define SECTIONEDITOR_H

#include "edidtypes.h"
#include "imagesections.h"

#include <QGroupBox>
#include <functional>

class QLineEdit;

// Base of the editors of the base block slices. An editor holds pointers to
// the saved image (`data`, only read) and the working image (`newData`, the
// bytes being edited), both owned by the document's image model, and writes
// its slice through that model after every accepted edit.
class SectionEditor : public QGroupBox
{
    Q_OBJECT
public:
    explicit SectionEditor(QWidget* parent = nullptr);

protected:
    using Encoder = std::function<void(Byte* image)>;
    // Encodes into a copy of the base block and writes bytes first..last of
    // it through the image model, which recomputes the checksum and shows
    // the change. Nothing happens before the editor has its images.
    void writeBytes(int first, int last, const Encoder& encode);
    void writeSection(ImageSectionId section, const Encoder& encode);
    void setImages(Byte* savedImage, Byte* workingImage);
    // True when `field` shows `shown`, the text of the value the editor
    // holds. An edit finished without a change of text writes nothing: the
    // loaded bits stay, also those the text cannot express and those a
    // range check would refuse (a loaded week 0, a gamma byte of 255).
    static bool showsValue(const QLineEdit* field, const QString& shown);

    Byte* data = nullptr;
    Byte* newData = nullptr;
};

#endif
