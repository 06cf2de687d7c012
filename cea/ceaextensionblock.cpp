#include "ceaextensionblock.h"

#include "ceaextension.h"
#include "checksum.h"
#include "hexaviewer.h"

#include <QLabel>
#include <QVBoxLayout>

CEAExtensionBlock::CEAExtensionBlock(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(tr("The CEA-861 extension block is kept byte for byte as it was "
                               "loaded or created. Its data blocks are shown in the Hexa Viewer tab."),
                            this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch();
}

void CEAExtensionBlock::resetFields(Byte* data, Byte* newData)
{
    m_data = data;
    m_newData = newData;
    m_version = 3;
}

bool CEAExtensionBlock::initFields(Byte* data, Byte* newData)
{
    resetFields(data, newData);
    if (!isCEAExtension(data + EDID_BLOCK_SIZE))
        return false;
    m_version = data[129];
    HexaViewer::instance()->setCEAFlagDescription(describeFields());
    return true;
}

void CEAExtensionBlock::writeCEAHeader()
{
    if (!m_newData)
        return;
    Byte* block = m_newData + EDID_BLOCK_SIZE;
    block[0] = CEA_EXTENSION_TAG;
    block[1] = Byte(m_version);
    block[2] = 4;
    block[3] = 0;
    updateBlockChecksum(block);
    HexaViewer::instance()->refreshBytes(m_data, m_newData, 128, 255);
    HexaViewer::instance()->setCEAFlagDescription(describeFields());
}

QByteArray CEAExtensionBlock::extensionBytes() const
{
    if (!m_newData)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char*>(m_newData + EDID_BLOCK_SIZE), EDID_BLOCK_SIZE);
}

FieldDescriptionList CEAExtensionBlock::describeFields() const
{
    return {FieldDescription("CEA Extension Flag", "0x02"),
            FieldDescription("CEA Version", QString::number(m_version))};
}
