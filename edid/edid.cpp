#include "edid.h"

#include "ceaextension.h"
#include "checksum.h"
#include "dialogs.h"
#include "hexaviewer.h"
#include "sectiondescriptions.h"

#include <cstring>

namespace {
const Byte kHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
}

Edid::Edid(QObject* parent) : Edid(Hosts(), parent)
{
}

Edid::Edid(const Hosts& hosts, QObject* parent)
    : QObject(parent),
      m_vendorProduct(hosts.baseSections),
      m_videoInput(hosts.baseSections),
      m_gamma(hosts.baseSections),
      m_screenSize(hosts.baseSections),
      m_featureSupport(hosts.baseSections),
      m_color(hosts.baseSections),
      m_established(hosts.baseSections),
      m_standard(hosts.baseSections),
      m_descriptors{DisplayDescriptor(hosts.descriptors), DisplayDescriptor(hosts.descriptors),
                    DisplayDescriptor(hosts.descriptors), DisplayDescriptor(hosts.descriptors)},
      m_cea(nullptr)
{
    for (int slot = 0; slot < 4; ++slot)
        m_descriptors[slot].setLabel(QString("Block %1").arg(slot + 1));
    connect(&m_videoInput, &DisplayVideonInput::inputTypeChanged, &m_featureSupport,
            &DisplayFeatureSupport::inputTypeChanged);
    connect(&m_cea, &CEAExtensionBlock::valueChanged, this, &Edid::updateEDIDData);
}

void Edid::setImages(Byte* data, Byte* newData)
{
    m_data = data;
    m_newData = newData;
    m_version.setImages(data, newData);
}

void Edid::initFields(const T_EDID_DEF& decoded)
{
    m_vendorProduct.initFields(decoded.vendorProduct, m_data, m_newData);
    m_version.initFields(decoded.version, decoded.revision, m_data, m_newData);
    m_videoInput.initFields(decoded.videoInput, m_data, m_newData);
    m_gamma.initFields(decoded.gamma, m_data, m_newData);
    m_screenSize.initFields(decoded.screenSize, m_data, m_newData);
    m_featureSupport.initFields(decoded.featureSupport, m_data, m_newData);
    m_color.initFields(decoded.colorCharacteristics, m_data, m_newData);
    m_established.initFields(decoded.establishedTimings, m_data, m_newData);
    m_standard.initFields(decoded.standardTimings, m_data, m_newData);
    for (int slot = 0; slot < 4; ++slot)
        m_descriptors[slot].resetFields(m_data, m_newData, slot);
    for (int slot = 0; slot < 4; ++slot)
        m_descriptors[slot].initFields(decoded.displayDescriptors[slot], m_data, m_newData, slot,
                                       slot == 0);

    m_hasCEA = false;
    m_extensionCount = decoded.extensionCount;
    if (m_extensionCount != 0)
        loadExtension();
    else
        m_cea.resetFields(m_data, m_newData);
    HexaViewer::instance()->setExtensionLayout(m_hasCEA);
    describeExtensionCount();
}

// Checks the extension of the saved image (of the working image while an
// earlier state is put back) and loads it into the extension editor. A block
// that is not a CEA-861 extension stays in the image as it is; a CEA-861
// block with a bad checksum is kept and its checksum corrected in the
// working image.
void Edid::loadExtension()
{
    T_EDID_CEA_EXTENSION_DEF record;
    int result = parseCEAExtension(m_restoring ? m_newData : m_data, record);
    if (result == CEA_PARSE_NOT_CEA) {
        m_cea.resetFields(m_data, m_newData);
        return;
    }
    if (result == CEA_PARSE_CHECKSUM_ERROR) {
        loadWarning("CEA Extension data block has a checksum error. The checksum will be corrected.");
        updateBlockChecksum(m_newData + EDID_BLOCK_SIZE);
        result = parseCEAExtension(m_newData, record);
    }
    if (result == CEA_PARSE_VALID || result == CEA_PARSE_PADDING_ERROR) {
        if (result == CEA_PARSE_PADDING_ERROR)
            loadWarning("CEA Extension data block has a padding error.");
        m_hasCEA = true;
        HexaViewer::instance()->setExtensionLayout(true);
        m_cea.initFields(record, m_data, m_newData);
        return;
    }
    loadWarning("CEA Extension data block is currupt. The CEA data will be erased");
    m_cea.resetFields(m_data, m_newData);
    clearCEAExtension(m_newData);
    m_extensionCount = 0;
    writeExtensionCount();
    HexaViewer* viewer = HexaViewer::instance();
    viewer->setExtensionLayout(false);
    viewer->refreshBytes(m_data, m_newData, 126, 255);
}

void Edid::loadWarning(const QString& text)
{
    if (!m_restoring)
        Dialogs::warning(nullptr, "Warning", text);
}

void Edid::setRestoring(bool restoring)
{
    m_restoring = restoring;
    m_cea.setWarningsEnabled(!restoring);
}

void Edid::resetFields()
{
    m_vendorProduct.resetFields(m_data, m_newData);
    m_videoInput.resetFields(m_data, m_newData);
    m_gamma.resetFields(m_data, m_newData);
    m_screenSize.resetFields(m_data, m_newData);
    m_featureSupport.resetFields(m_data, m_newData);
    m_color.resetFields(m_data, m_newData);
    m_established.resetFields(m_data, m_newData);
    m_standard.resetFields(m_data, m_newData);
    for (int slot = 0; slot < 4; ++slot)
        m_descriptors[slot].resetFields(m_data, m_newData, slot);
    m_descriptors[0].setLockedType(DESC_DETAILED_TIMING);
    for (int slot = 1; slot < 4; ++slot)
        m_descriptors[slot].setType(DESC_UNUSED);
    m_cea.resetFields(m_data, m_newData);
    clearCEAExtension(m_newData);
    m_hasCEA = false;
    m_extensionCount = 0;
}

void Edid::buildNewImage()
{
    resetFields();
    std::memcpy(m_newData, kHeader, sizeof kHeader);
    m_vendorProduct.updateSectionData();
    m_version.write();
    m_color.updateSectionData();
    m_standard.updateSectionData();
    m_descriptors[0].updateCurrentBlock();
    for (int slot = 1; slot < 4; ++slot)
        m_descriptors[slot].writeDummyDescriptor();
    writeExtensionCount();
    HexaViewer::instance()->setExtensionLayout(false);
    describeExtensionCount();
}

void Edid::adaptToEDIDVersion(bool rewrite)
{
    const Word revision = m_version.revision();
    m_videoInput.adaptToEDIDVersion(revision);
    m_gamma.adaptToEDIDVersion(revision);
    m_screenSize.adaptToEDIDVersion(revision);
    m_featureSupport.adaptToEDIDVersion(revision);
    m_vendorProduct.adaptToEDIDVersion(revision);
    for (int slot = 1; slot < 4; ++slot)
        m_descriptors[slot].adaptToEDIDVersion(revision, rewrite);
}

void Edid::setCEAExtension(int state)
{
    if (!m_newData)
        return;
    HexaViewer* viewer = HexaViewer::instance();
    if (state == 1) {
        clearCEAExtension(m_newData);
        m_cea.resetFields(m_data, m_newData);
        m_cea.writeCEAHeader();
        m_hasCEA = true;
        m_extensionCount = 1;
    } else if (m_extensionCount != 0) {
        clearCEAExtension(m_newData);
        viewer->refreshBytes(m_data, m_newData, 128, 255);
        m_hasCEA = false;
        m_extensionCount = 0;
    }
    m_newData[126] = state == 1 ? 1 : 0;
    updateBaseChecksum(m_newData);
    viewer->setExtensionLayout(m_hasCEA);
    viewer->refreshBytes(m_data, m_newData, 126, 127);
    describeExtensionCount();
}

void Edid::updateEDIDData()
{
    if (!m_newData)
        return;
    const QByteArray bytes = m_cea.extensionBytes();
    for (int i = 0; i < EDID_BLOCK_SIZE; ++i)
        m_newData[EDID_BLOCK_SIZE + i] = i < bytes.size() ? Byte(bytes[i]) : 0;
    HexaViewer::instance()->refreshBytes(m_data, m_newData, 128, 255);
}

void Edid::writeExtensionCount()
{
    m_newData[126] = Byte(m_extensionCount);
    updateBaseChecksum(m_newData);
}

void Edid::describeExtensionCount()
{
    HexaViewer::instance()->setExtensionCountDescription(extensionCountDescription(m_extensionCount, m_hasCEA));
}
