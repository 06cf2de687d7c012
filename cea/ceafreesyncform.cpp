#include "ceafreesyncform.h"

#include "ceahdrstatic.h"
#include "ui_ceafreesyncform.h"

namespace {

typedef FreeSyncBlock R;

// Min luminances are hundredths of the max: they need more decimals.
QString candelasText(double candelas, int decimals)
{
    return QStringLiteral("%1 cd/m2").arg(candelas, 0, 'f', decimals);
}

} // namespace

CEAFreeSyncForm::CEAFreeSyncForm(QWidget* parent) : CEAPayloadForm(parent), ui(new Ui::CEAFreeSyncForm)
{
    ui->setupUi(this);
    const auto apply = [this] { this->apply(); };
    m_flags = {{ui->hdrGroup, &R::hasHdrFields}, {ui->pqCB, &R::pq}, {ui->pqInterimCB, &R::pqInterim}};
    bindFlags(m_flags, &m_record, apply);
    const FieldRange version = freeSyncRange(FreeSyncValue::Version);
    bindNumber(ui->versionField, &m_record, &R::version, version, version.minimum, apply);
    const FieldRange code = freeSyncRange(FreeSyncValue::LuminanceCode);
    const QList<QPair<QLineEdit*, int R::*>> codes = {{ui->maxLumField, &R::maxLuminanceCode},
                                                      {ui->minLumField, &R::minLuminanceCode},
                                                      {ui->maxLum2Field, &R::maxLuminance2Code},
                                                      {ui->minLum2Field, &R::minLuminance2Code}};
    for (const auto& field : codes)
        bindNumber(field.first, &m_record, field.second, code, code.minimum, apply);
    bindChoice(ui->panelTypeMulti, &m_record, &R::panelType, apply);
    for (QLineEdit* field : {ui->capsField, ui->mccsField})
        field->setValidator(hexFilter());
    for (QLineEdit* field : {ui->minRefreshField, ui->maxRefreshField})
        field->setValidator(integerFilter());
    updateUI();
}

CEAFreeSyncForm::~CEAFreeSyncForm()
{
    delete ui;
}

void CEAFreeSyncForm::setPayload(const QByteArray& payload)
{
    m_record = decodeFreeSyncBlock(payload);
    updateUI();
}

void CEAFreeSyncForm::apply()
{
    applyRecord(m_record, encodeFreeSyncBlock, decodeFreeSyncBlock);
}

// The 10-bit field, where the block has it, holds the max refresh rate.
int CEAFreeSyncForm::maxRefresh() const
{
    return m_record.hasRefresh10Bit ? m_record.maxRefreshRate10 : m_record.maxRefreshRate;
}

void CEAFreeSyncForm::updateUI()
{
    showFlags(m_flags, m_record);
    setQuietly(ui->versionField, QString::number(m_record.version));
    setQuietly(ui->capsField, hexByteText(m_record.featureCaps));
    setQuietly(ui->mccsField, hexByteText(m_record.mccsFlags));
    setQuietly(ui->minRefreshField, QString::number(m_record.minRefreshRate));
    setQuietly(ui->maxRefreshField, QString::number(maxRefresh()));
    setQuietly(ui->panelTypeMulti, m_record.panelType);
    setQuietly(ui->maxLumField, QString::number(m_record.maxLuminanceCode));
    setQuietly(ui->minLumField, QString::number(m_record.minLuminanceCode));
    setQuietly(ui->maxLum2Field, QString::number(m_record.maxLuminance2Code));
    setQuietly(ui->minLum2Field, QString::number(m_record.minLuminance2Code));
    ui->maxLumValue->setText(candelasText(maxLuminanceOfCode(m_record.maxLuminanceCode), 3));
    ui->minLumValue->setText(
        candelasText(minLuminanceOfCode(m_record.maxLuminanceCode, m_record.minLuminanceCode), 4));
    ui->maxLum2Value->setText(candelasText(maxLuminanceOfCode(m_record.maxLuminance2Code), 3));
    ui->minLum2Value->setText(
        candelasText(minLuminanceOfCode(m_record.maxLuminance2Code, m_record.minLuminance2Code), 4));
    setQuietly(ui->refresh10Group, m_record.hasRefresh10Bit);
}

void CEAFreeSyncForm::on_capsField_editingFinished()
{
    if (!fieldEdited(ui->capsField))
        return;
    m_record.featureCaps = checkedHexByte(ui->capsField, QStringLiteral("Feature caps"));
    apply();
}

void CEAFreeSyncForm::on_mccsField_editingFinished()
{
    if (!fieldEdited(ui->mccsField))
        return;
    m_record.mccsFlags = checkedHexByte(ui->mccsField, QStringLiteral("MCCS flags"));
    apply();
}

// A min above the max falls back to the lowest rate.
void CEAFreeSyncForm::on_minRefreshField_editingFinished()
{
    if (!fieldEdited(ui->minRefreshField))
        return;
    const FieldRange range = freeSyncRange(FreeSyncValue::MinRefreshRate);
    int hz = checkedNumber(ui->minRefreshField, range, range.minimum);
    const QString problem = freeSyncRangeProblem(hz, maxRefresh());
    if (!problem.isEmpty()) {
        hz = range.minimum;
        refuse(ui->minRefreshField, problem, QString::number(hz));
    }
    m_record.minRefreshRate = hz;
    apply();
}

// A max out of range or below the min falls back to the lowest max the
// range allows: the min refresh rate.
void CEAFreeSyncForm::on_maxRefreshField_editingFinished()
{
    if (!fieldEdited(ui->maxRefreshField))
        return;
    const FieldRange range = freeSyncRange(m_record.hasRefresh10Bit ? FreeSyncValue::MaxRefreshRate10
                                                                     : FreeSyncValue::MaxRefreshRate);
    const int fallback = qMax(range.minimum, m_record.minRefreshRate);
    int hz = checkedNumber(ui->maxRefreshField, range, fallback);
    const QString problem = freeSyncRangeProblem(m_record.minRefreshRate, hz);
    if (!problem.isEmpty()) {
        hz = fallback;
        refuse(ui->maxRefreshField, problem, QString::number(hz));
    }
    setFreeSyncMaxRefresh(m_record, hz);
    apply();
}

// The 10-bit field starts with the max refresh rate the block gives.
void CEAFreeSyncForm::on_refresh10Group_clicked(bool checked)
{
    m_record.hasRefresh10Bit = checked;
    if (checked)
        m_record.maxRefreshRate10 = m_record.maxRefreshRate;
    apply();
}
