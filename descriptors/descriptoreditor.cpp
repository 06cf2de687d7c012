#include "descriptoreditor.h"

#include "checksum.h"
#include "dialogs.h"
#include "hexaviewer.h"

#include <QLineEdit>

DescriptorEditor::DescriptorEditor(QWidget* parent) : QGroupBox(parent)
{
}

void DescriptorEditor::resetFields(Byte* savedImage, Byte* workingImage, int slotIndex)
{
    storeImages(savedImage, workingImage, slotIndex);
}

void DescriptorEditor::adaptToEDIDVersion(Word)
{
}

void DescriptorEditor::storeImages(Byte* savedImage, Byte* workingImage, int slotIndex)
{
    data = savedImage;
    newData = workingImage;
    slot = slotIndex;
}

Byte* DescriptorEditor::slotBytes() const
{
    return newData ? newData + descriptorOffset(slot) : nullptr;
}

void DescriptorEditor::finishWrite()
{
    updateBaseChecksum(newData);
    // Display descriptor edits refresh bytes 72 to 125; a display descriptor
    // in Block 1 needs its own bytes 54 to 71 refreshed as well.
    const int first = slot == 0 ? descriptorOffset(0) : descriptorOffset(1);
    HexaViewer::instance()->refreshBytes(data, newData, first, 125);
    describe();
}

void DescriptorEditor::describe()
{
    HexaViewer::instance()->setDescriptorDescription(slot, describeFields());
}

void DescriptorEditor::warn(const QString& title, const QString& text)
{
    Dialogs::warning(this, title, text);
}

int DescriptorEditor::acceptedNumber(QLineEdit* field, int min, int max, int step, const QString& title,
                                     const QString& message)
{
    const QString text = field->text();
    const int value = text.toInt();
    if (!text.isEmpty() && value >= min && value <= max && value % step == 0)
        return value;
    warn(title, message);
    setFieldText(field, QString::number(min));
    return min;
}

void DescriptorEditor::setFieldText(QLineEdit* field, const QString& text)
{
    const bool wasBlocked = field->blockSignals(true);
    field->setText(text);
    field->blockSignals(wasBlocked);
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("YES") : QStringLiteral("no");
}
