#include "sectioneditor.h"

#include "imagemodel.h"

#include <cstring>

#include <QLineEdit>

SectionEditor::SectionEditor(QWidget* parent) : QGroupBox(parent)
{
}

void SectionEditor::writeBytes(int first, int last, const Encoder& encode)
{
    ImageModel* model = newData ? ImageModel::owning(newData) : nullptr;
    if (!model)
        return;
    Byte block[EDID_BLOCK_SIZE];
    std::memcpy(block, newData, EDID_BLOCK_SIZE);
    encode(block);
    model->write(first, block + first, last - first + 1);
}

void SectionEditor::writeSection(ImageSectionId section, const Encoder& encode)
{
    writeBytes(imageSection(section).first, imageSection(section).last, encode);
}

bool SectionEditor::showsValue(const QLineEdit* field, const QString& shown)
{
    return field->text() == shown;
}

void SectionEditor::setImages(Byte* savedImage, Byte* workingImage)
{
    data = savedImage;
    newData = workingImage;
}
