#include "edid.h"

#include "ceaextension.h"
#include "hexaviewer.h"
#include "imagemodel.h"
#include "sectiondescriptions.h"

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
    m_model = ImageModel::owning(newData);
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

// Shows the extension block of the working image, as opening the file
// left it (the load corrections have already repaired or erased what the
// editor cannot keep). A block that is not a CEA-861 extension stays in the
// image as it is and the extension editor stays empty.
void Edid::loadExtension()
{
    T_EDID_CEA_EXTENSION_DEF record;
    const int result = parseCEAExtension(m_newData, record);
    if (result != CEA_PARSE_VALID && result != CEA_PARSE_PADDING_ERROR) {
        m_cea.resetFields(m_data, m_newData);
        return;
    }
    m_hasCEA = true;
    HexaViewer::instance()->setExtensionLayout(true);
    m_cea.initFields(record, m_data, m_newData);
}

void Edid::setRestoring(bool restoring)
{
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
    clearExtensionBytes();
    m_hasCEA = false;
    m_extensionCount = 0;
}

void Edid::clearExtensionBytes()
{
    if (m_model)
        m_model->write(EDID_BLOCK_SIZE, QByteArray(EDID_BLOCK_SIZE, '\0'));
}

void Edid::buildNewImage()
{
    resetFields();
    if (m_model)
        m_model->write(0, kHeader, sizeof kHeader);
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
    if (!m_model)
        return;
    if (state == 1) {
        clearExtensionBytes();
        m_cea.resetFields(m_data, m_newData);
        m_cea.writeCEAHeader();
        m_hasCEA = true;
        m_extensionCount = 1;
    } else if (m_extensionCount != 0) {
        clearExtensionBytes();
        m_hasCEA = false;
        m_extensionCount = 0;
    }
    const Byte count = state == 1 ? 1 : 0;
    m_model->write(126, &count, 1);
    HexaViewer::instance()->setExtensionLayout(m_hasCEA);
    describeExtensionCount();
}

void Edid::updateEDIDData()
{
    if (!m_model)
        return;
    QByteArray bytes = m_cea.extensionBytes();
    bytes.append(QByteArray(EDID_BLOCK_SIZE - qMin(bytes.size(), EDID_BLOCK_SIZE), '\0'));
    m_model->write(EDID_BLOCK_SIZE, bytes.left(EDID_BLOCK_SIZE));
}

void Edid::writeExtensionCount()
{
    const Byte count = Byte(m_extensionCount);
    if (m_model)
        m_model->write(126, &count, 1);
}

void Edid::describeExtensionCount()
{
    HexaViewer::instance()->setExtensionCountDescription(extensionCountDescription(m_extensionCount, m_hasCEA));
}
