#include "sectioneditor.h"

#include "checksum.h"
#include "hexaviewer.h"

#include <QLineEdit>

SectionEditor::SectionEditor(QWidget* parent) : QGroupBox(parent)
{
}

void SectionEditor::writeBack(int first, int last)
{
    if (!newData)
        return;
    updateBaseChecksum(newData);
    HexaViewer::instance()->refreshBytes(data, newData, first, last);
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
