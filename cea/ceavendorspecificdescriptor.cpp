#include "ceavendorspecificdescriptor.h"

#include "ceablockfactory.h"
#include "ceaextendedcodecs.h"
#include "ceaoui.h"
#include "ceapayloadform.h"
#include "ceavendorspecificblock.h"
#include "ui_ceavendorspecificdescriptor.h"
#include "validators.h"

#include <QScrollArea>
#include <QSpacerItem>

CEAVendorSpecificDescriptor::CEAVendorSpecificDescriptor(int index, QWidget* parent)
    : CEABlock(parent), ui(new Ui::CEAVendorSpecificDescriptor),
      m_spacer(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding))
{
    ui->setupUi(this);
    setBlockType(index);
    ui->regIDField->setValidator(new Validator(QStringLiteral("[^0-9A-F]"), this));
    for (int i = 0; i < CEA_VENDOR_MAX_BYTES; ++i) {
        auto* row = new CEAVendorSpecificBlock(ui->vsdbList);
        row->hide();
        ui->vsdbLayout->addWidget(row);
        connect(row, &CEAVendorSpecificBlock::valueChanged, this, &CEAVendorSpecificDescriptor::onBytesEdited);
        m_rows << row;
    }
    updateUI();
    updateForm();
}

CEAVendorSpecificDescriptor::~CEAVendorSpecificDescriptor()
{
    if (ui->vsdbLayout->indexOf(m_spacer) < 0)
        delete m_spacer;
    delete ui;
}

int CEAVendorSpecificDescriptor::maxCount() const
{
    return blockType() == CEA_VENDOR_SPECIFIC ? CEA_VENDOR_MAX_PAYLOAD : CEA_EXTENDED_VENDOR_MAX_PAYLOAD;
}

void CEAVendorSpecificDescriptor::initFields(int, int length, const Byte* payload, Byte*, Byte*)
{
    setVendorBytes(QByteArray(reinterpret_cast<const char*>(payload), length));
    updateForm();
}

void CEAVendorSpecificDescriptor::setVendorBytes(const QByteArray& bytes)
{
    const auto* payload = reinterpret_cast<const Byte*>(bytes.constData());
    m_count = qBound(0, int(bytes.size()), maxCount());
    ui->regIDField->setText(ouiText(reinterpret_cast<const Byte*>(vendorOuiBytes(payload, m_count).constData())));
    for (int offset = CEA_OUI_SIZE; offset < CEA_OUI_SIZE + m_rows.size(); ++offset) {
        CEAVendorSpecificBlock* row = m_rows.at(offset - CEA_OUI_SIZE);
        if (offset < m_count)
            row->setByte(payload[offset], nullptr, nullptr, offset + 1);
        else
            row->initFields(nullptr, nullptr, offset + 1);
    }
}

void CEAVendorSpecificDescriptor::resetFields(Byte*, Byte*)
{
    m_count = 0;
    ui->regIDField->setText(QStringLiteral("000000"));
    for (int i = 0; i < m_rows.size(); ++i)
        m_rows.at(i)->initFields(nullptr, nullptr, i);
    updateEDID();
    updateUI();
    updateForm();
}

QByteArray CEAVendorSpecificDescriptor::blockBytes() const
{
    QByteArray bytes;
    if (blockType() != CEA_VENDOR_SPECIFIC)
        bytes.append(char(extendedTag()));
    bytes.append(ouiBytes(ui->regIDField->text()).left(m_count));
    for (int i = CEA_OUI_SIZE; i < m_count; ++i)
        bytes.append(char(m_rows.at(i - CEA_OUI_SIZE)->byteValue()));
    return bytes;
}

void CEAVendorSpecificDescriptor::updateUI()
{
    ui->titleLabel->setText(blockTypeName());
    const bool rowsShown = m_count > CEA_OUI_SIZE;
    ui->noVSDBLabel->setVisible(!rowsShown);
    const bool spacerIn = ui->vsdbLayout->indexOf(m_spacer) >= 0;
    if (rowsShown && !spacerIn)
        ui->vsdbLayout->addItem(m_spacer);
    else if (!rowsShown && spacerIn)
        ui->vsdbLayout->removeItem(m_spacer);
    ui->regIDLabel->setVisible(m_count >= 1);
    ui->regIDField->setVisible(m_count >= 1);
    for (int i = 0; i < m_rows.size(); ++i)
        m_rows.at(i)->setVisible(i < m_count - CEA_OUI_SIZE);
}

void CEAVendorSpecificDescriptor::on_addVSDBButton_clicked()
{
    if (m_count >= maxCount())
        return;
    m_count = m_count < CEA_OUI_SIZE ? CEA_OUI_SIZE : m_count + 1;
    updateEDID();
    updateUI();
    updateForm();
}

void CEAVendorSpecificDescriptor::on_delVSDBButton_clicked()
{
    if (m_count <= 0)
        return;
    m_count = m_count <= CEA_OUI_SIZE ? 0 : m_count - 1;
    updateEDID();
    updateUI();
    updateForm();
}

void CEAVendorSpecificDescriptor::on_regIDField_editingFinished()
{
    if (ui->regIDField->text().isEmpty())
        ui->regIDField->setText(QStringLiteral("000000"));
    onBytesEdited();
}

void CEAVendorSpecificDescriptor::onBytesEdited()
{
    updateEDID();
    updateForm();
}

// The form's bytes always keep the OUI (and the extended tag) it was made for.
void CEAVendorSpecificDescriptor::onFormEdited(const QByteArray& payload)
{
    setVendorBytes(blockType() == CEA_VENDOR_SPECIFIC ? payload : payload.mid(1));
    updateEDID();
    updateUI();
    updateForm();
}

void CEAVendorSpecificDescriptor::updateForm()
{
    const QByteArray payload = blockBytes();
    const ModernBlockKind kind = modernBlockKind(tagCode(), payload);
    if (kind != m_formKind) {
        removeForm();
        m_formKind = kind;
        m_form = createPayloadForm(kind);
        if (m_form) {
            auto* area = new QScrollArea;
            area->setWidgetResizable(true);
            area->setFrameShape(QFrame::NoFrame);
            area->setWidget(m_form);
            ui->vsdbTabs->insertTab(0, area, QString());
            ui->vsdbTabs->setCurrentIndex(0);
            connect(m_form, &CEAPayloadForm::payloadEdited, this, &CEAVendorSpecificDescriptor::onFormEdited);
        }
    }
    Findings findings;
    const DecodedNode node = describePayload(tagCode(), payload, &findings);
    if (m_form) {
        m_form->setPayload(payload);
        ui->vsdbTabs->setTabText(0, node.name);
    }
    ui->findingsLabel->setText(findingsText(findings));
    ui->findingsLabel->setVisible(!findings.isEmpty());
}

void CEAVendorSpecificDescriptor::removeForm()
{
    if (!m_form)
        return;
    QWidget* area = ui->vsdbTabs->widget(0);
    ui->vsdbTabs->removeTab(0);
    delete area;
    m_form = nullptr;
}

void CEAVendorSpecificDescriptor::on_helpButton_clicked(bool checked)
{
    setHelpShown(checked);
}
