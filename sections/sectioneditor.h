#ifndef SECTIONEDITOR_H
#define SECTIONEDITOR_H

#include "edidtypes.h"

#include <QGroupBox>

class QLineEdit;

// Base of the editors of the base block slices. An editor holds pointers to
// the saved image (`data`, only read, to mark changes) and the working image
// (`newData`, the bytes being edited) and writes its slice straight into the
// working image after every accepted edit.
class SectionEditor : public QGroupBox
{
    Q_OBJECT
public:
    explicit SectionEditor(QWidget* parent = nullptr);

protected:
    // Recomputes the base block checksum and refreshes bytes first..last
    // (and 127) of the hex viewer. Called after the slice has been encoded.
    void writeBack(int first, int last);
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
