#include "descriptoreditor.h"

#include "dialogs.h"
#include "hexaviewer.h"
#include "imagemodel.h"

#include <QLineEdit>
#include <cstring>

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

void DescriptorEditor::writeSlot(const std::function<void(Byte* descriptor)>& encode)
{
    ImageModel* model = newData ? ImageModel::owning(newData) : nullptr;
    if (!model)
        return;
    Byte bytes[DESCRIPTOR_SIZE];
    std::memcpy(bytes, newData + descriptorOffset(slot), DESCRIPTOR_SIZE);
    encode(bytes);
    model->write(descriptorOffset(slot), bytes, DESCRIPTOR_SIZE);
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
