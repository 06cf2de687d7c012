#include "ceapayloadform.h"

#include "ceamodernblocks.h"

#include "dialogs.h"
#include "validators.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringList>

namespace {

const char kRangeTitle[] = "Range error";
// The property of a field that holds the text last set by the program.
const char kShownText[] = "shownText";

} // namespace

QString hexByteText(int value)
{
    return QString::number(value & 0xFF, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

DecodedNode describePayload(int tag, const QByteArray& payload, Findings* findings)
{
    const QByteArray block = char(tag << 5 | qMin(payload.size(), CEA_MAX_BLOCK_PAYLOAD)) + payload;
    DecodedNode node;
    Findings found;
    if (payload.size() <= CEA_MAX_BLOCK_PAYLOAD)
        describeModernDataBlock(block, 0, node, found);
    if (findings)
        *findings = found;
    return node;
}

QString findingsText(const Findings& findings)
{
    QStringList lines;
    for (const Finding& finding : findings)
        lines << finding.message;
    return lines.join(QLatin1Char('\n'));
}

CEAPayloadForm::CEAPayloadForm(QWidget* parent) : QWidget(parent)
{
}

bool CEAPayloadForm::commit(const QByteArray& bytes)
{
    const QString problem = payloadSizeProblem(bytes.size());
    if (!problem.isEmpty()) {
        warn(problem);
        return false;
    }
    emit payloadEdited(bytes);
    return true;
}

int CEAPayloadForm::checkedNumber(QLineEdit* field, const FieldRange& range, int fallback)
{
    bool ok = false;
    const int value = field->text().toInt(&ok);
    const QString problem = fieldRangeProblem(range, ok ? value : -1);
    if (problem.isEmpty())
        return value;
    refuse(field, problem, QString::number(fallback));
    return fallback;
}

int CEAPayloadForm::checkedHexByte(QLineEdit* field, const QString& name)
{
    bool ok = false;
    const int value = field->text().toInt(&ok, 16);
    if (ok)
        return value;
    refuse(field, QStringLiteral("%1 must be two hexadecimal digits.").arg(name), hexByteText(0));
    return 0;
}

void CEAPayloadForm::refuse(QLineEdit* field, const QString& message, const QString& fallbackText)
{
    // No second editingFinished while the box takes the focus.
    const QSignalBlocker blocker(field);
    warn(message);
    field->setText(fallbackText);
}

void CEAPayloadForm::warn(const QString& message)
{
    Dialogs::warning(this, QString::fromLatin1(kRangeTitle), message);
}

QValidator* CEAPayloadForm::integerFilter()
{
    if (!m_integer)
        m_integer = new Validator(QStringLiteral("[^0-9]"), this);
    return m_integer;
}

QValidator* CEAPayloadForm::decimalFilter()
{
    if (!m_decimal)
        m_decimal = new Validator(QStringLiteral("[^0-9.]"), this);
    return m_decimal;
}

QValidator* CEAPayloadForm::hexFilter()
{
    if (!m_hex)
        m_hex = new UpperCaseValidator(QStringLiteral("[^0-9A-F]"), this);
    return m_hex;
}

void CEAPayloadForm::setQuietly(QWidget* box, bool checked)
{
    const QSignalBlocker blocker(box);
    if (auto* check = qobject_cast<QCheckBox*>(box))
        check->setChecked(checked);
    else if (auto* group = qobject_cast<QGroupBox*>(box))
        group->setChecked(checked);
}

void CEAPayloadForm::setQuietly(QComboBox* combo, int index)
{
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index);
}

void CEAPayloadForm::setQuietly(QLineEdit* field, const QString& text)
{
    setFieldText(field, text);
}

void setFieldText(QLineEdit* field, const QString& text)
{
    const QSignalBlocker blocker(field);
    field->setText(text);
    field->setProperty(kShownText, text);
}

bool fieldEdited(const QLineEdit* field)
{
    return field->text() != field->property(kShownText).toString();
}
