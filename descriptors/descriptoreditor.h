#ifndef DESCRIPTOREDITOR_H
#define DESCRIPTOREDITOR_H

#include "descriptors.h"
#include "editorhelpers.h"

#include <QGroupBox>
#include <functional>

class QLineEdit;

// Base of the editors of one display descriptor type (and of the items that
// edit part of one). It holds the two images and the slot index, and
// finishes every write: checksum, hex viewer refresh and description.
class DescriptorEditor : public QGroupBox
{
    Q_OBJECT
public:
    explicit DescriptorEditor(QWidget* parent = nullptr);

    // Stores the images and the slot and sets the defaults. Writes nothing.
    virtual void resetFields(Byte* data, Byte* newData, int slot);
    // Takes the decoded descriptor and describes it to the hex viewer.
    virtual void initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* data,
                            Byte* newData, int slot) = 0;
    // Encodes the editor's fields into its slot of the working image.
    virtual void updateCurrentBlock() = 0;
    virtual FieldDescriptionList describeFields() const = 0;
    virtual void adaptToEDIDVersion(Word revision);

protected:
    void storeImages(Byte* data, Byte* newData, int slot);
    // Encodes into a copy of the slot's 18 bytes, writes them through the
    // image model and hands the hex viewer the description. Nothing happens
    // before the editor has its images.
    void writeSlot(const std::function<void(Byte* descriptor)>& encode);
    void describe();
    void warn(const QString& title, const QString& text);
    // The field's number when it lies in min..max on a multiple of `step`;
    // otherwise warns, puts `min` back into the field and returns `min`.
    int acceptedNumber(QLineEdit* field, int min, int max, int step, const QString& title,
                       const QString& message);
    // Puts `text` into a field without a second editingFinished.
    static void setFieldText(QLineEdit* field, const QString& text);

    Byte* data = nullptr;
    Byte* newData = nullptr;
    int slot = 0;
};

// "YES" or "no", as the description panel shows flags: the section editors'
// own, so that no second global function shares the core decoder's name.
using EditorHelpers::yesNo;

#endif
