#include "sectioneditor.h"

#include "checksum.h"
#include "hexaviewer.h"

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

void SectionEditor::setImages(Byte* savedImage, Byte* workingImage)
{
    data = savedImage;
    newData = workingImage;
}
