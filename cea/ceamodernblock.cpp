#include "ceamodernblock.h"

#include "ceablockfactory.h"
#include "ceamodernblocks.h"
#include "ceapayloadform.h"
#include "dialogs.h"
#include "ui_ceamodernblock.h"
#include "validators.h"

#include <QScrollArea>

namespace {

// What a new block holds after its extended tag.
QByteArray newBlockPayload(int index)
{
    switch (index) {
    case CEA_HDR_STATIC_METADATA:
        return QByteArray::fromHex("0501");  // SDR gamma and PQ, static metadata type 1
    case CEA_HDMI_FORUM_SCDB:
        return QByteArray::fromHex("0000" "01000000");  // reserved bytes, version 1
    default:
        return QByteArray();
    }
}

QString spacedHex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

} // namespace

CEAModernBlock::CEAModernBlock(int index, QWidget* parent) : CEABlock(parent), ui(new Ui::CEAModernBlock)
{
    ui->setupUi(this);
    setBlockType(index);
    m_bytes = QByteArray(1, char(extendedTag()));
    ui->bytesField->setValidator(new UpperCaseValidator(QStringLiteral("[^0-9A-F ]"), this));
    m_form = createPayloadForm(modernBlockKind(tagCode(), m_bytes));
    if (m_form) {
        auto* area = new QScrollArea;
        area->setWidgetResizable(true);
        area->setFrameShape(QFrame::NoFrame);
        area->setWidget(m_form);
        ui->modernTabs->insertTab(0, area, QStringLiteral("Decoded"));
        ui->modernTabs->setCurrentIndex(0);
        connect(m_form, &CEAPayloadForm::payloadEdited, this, &CEAModernBlock::onFormEdited);
    }
    updateUI();
}

CEAModernBlock::~CEAModernBlock()
{
    delete ui;
}

void CEAModernBlock::initFields(int, int length, const Byte* payload, Byte*, Byte*)
{
    m_bytes = char(extendedTag()) + QByteArray(reinterpret_cast<const char*>(payload), length);
    updateUI();
}

void CEAModernBlock::resetFields(Byte*, Byte*)
{
    m_bytes = char(extendedTag()) + newBlockPayload(blockType());
    updateUI();
    updateEDID();
}

void CEAModernBlock::updateUI()
{
    ui->titleLabel->setText(blockTypeName());
    Findings findings;
    const DecodedNode node = describePayload(tagCode(), m_bytes, &findings);
    if (m_form) {
        m_form->setPayload(m_bytes);
        ui->modernTabs->setTabText(0, node.name.isEmpty() ? blockTypeName() : node.name);
    }
    setFieldText(ui->bytesField, spacedHex(m_bytes.mid(1)));
    ui->findingsLabel->setText(findingsText(findings));
    ui->findingsLabel->setVisible(!findings.isEmpty());
}

void CEAModernBlock::onFormEdited(const QByteArray& payload)
{
    m_bytes = payload;
    updateEDID();
    updateUI();
}

// The bytes after the extended tag, pairs of hexadecimal digits; a text
// that is not, or too many bytes, is refused and the bytes stay as they
// were.
void CEAModernBlock::on_bytesField_editingFinished()
{
    if (!fieldEdited(ui->bytesField))
        return;
    const QString digits = ui->bytesField->text().remove(QLatin1Char(' '));
    const QByteArray bytes = char(extendedTag()) + QByteArray::fromHex(digits.toLatin1());
    QString problem = payloadSizeProblem(bytes.size());
    if (digits.size() % 2)
        problem = QStringLiteral("The bytes must be pairs of hexadecimal digits.");
    if (!problem.isEmpty()) {
        const QSignalBlocker blocker(ui->bytesField);
        Dialogs::warning(this, QStringLiteral("Format Error"), problem);
        updateUI();
        return;
    }
    if (bytes == m_bytes)
        return;
    m_bytes = bytes;
    updateEDID();
    updateUI();
}

void CEAModernBlock::on_helpButton_clicked(bool checked)
{
    setHelpShown(checked);
}
