#include "ceahdrstaticform.h"

#include "ui_ceahdrstaticform.h"

namespace {

typedef HdrStaticMetadata R;

constexpr int kMaxCode = 255;
constexpr int kMaxDecimals = 3;
constexpr int kMinDecimals = 4;
// A min typed as shown (rounded) still counts as the highest min.
constexpr double kMinTolerance = 0.00005;

} // namespace

CEAHdrStaticForm::CEAHdrStaticForm(QWidget* parent) : CEAPayloadForm(parent), ui(new Ui::CEAHdrStaticForm)
{
    ui->setupUi(this);
    const auto apply = [this] { this->apply(); };
    m_flags = {
        {ui->sdrCB, &R::eotfSdr},
        {ui->hdrGammaCB, &R::eotfHdr},
        {ui->pqCB, &R::eotfPq},
        {ui->hlgCB, &R::eotfHlg},
        {ui->type1CB, &R::staticMetadataType1},
        {ui->maxLumGroup, &R::hasMaxLuminance},
        {ui->maxFallGroup, &R::hasMaxFrameAverage},
        {ui->minLumGroup, &R::hasMinLuminance},
    };
    bindFlags(m_flags, &m_record, apply);
    const FieldRange code = hdrStaticRange(HdrStaticValue::LuminanceCode);
    bindNumber(ui->maxLumCodeField, &m_record, &R::maxLuminanceCode, code, code.minimum, apply);
    bindNumber(ui->maxFallCodeField, &m_record, &R::maxFrameAverageCode, code, code.minimum, apply);
    bindNumber(ui->minLumCodeField, &m_record, &R::minLuminanceCode, code, code.minimum, apply);
    for (QLineEdit* field : {ui->maxLumField, ui->maxFallField, ui->minLumField})
        field->setValidator(decimalFilter());
    updateUI();
}

CEAHdrStaticForm::~CEAHdrStaticForm()
{
    delete ui;
}

void CEAHdrStaticForm::setPayload(const QByteArray& payload)
{
    m_record = decodeHdrStaticMetadata(payload);
    updateUI();
}

void CEAHdrStaticForm::apply()
{
    applyRecord(m_record, encodeHdrStaticMetadata, decodeHdrStaticMetadata);
}

// The min luminance is read against the max luminance code.
void CEAHdrStaticForm::updateUI()
{
    showFlags(m_flags, m_record);
    const QList<QPair<QLineEdit*, int>> codes = {{ui->maxLumCodeField, m_record.maxLuminanceCode},
                                                 {ui->maxFallCodeField, m_record.maxFrameAverageCode},
                                                 {ui->minLumCodeField, m_record.minLuminanceCode}};
    for (const auto& code : codes)
        setQuietly(code.first, QString::number(code.second));
    setQuietly(ui->maxLumField, QString::number(maxLuminanceOfCode(m_record.maxLuminanceCode), 'f', kMaxDecimals));
    setQuietly(ui->maxFallField,
               QString::number(maxLuminanceOfCode(m_record.maxFrameAverageCode), 'f', kMaxDecimals));
    setQuietly(ui->minLumField,
               QString::number(minLuminanceOfCode(m_record.maxLuminanceCode, m_record.minLuminanceCode), 'f',
                               kMinDecimals));
}

void CEAHdrStaticForm::setMaxCandelas(QLineEdit* field, int R::*code)
{
    if (!fieldEdited(field))
        return;
    const FieldRange range = hdrStaticRange(HdrStaticValue::MaxLuminance);
    bool ok = false;
    double candelas = field->text().toDouble(&ok);
    const QString problem = fieldRangeProblem(range, ok ? qRound(candelas) : -1);
    if (!problem.isEmpty()) {
        candelas = range.minimum;
        refuse(field, problem, QString::number(range.minimum));
    }
    m_record.*code = maxLuminanceCodeOf(candelas);
    apply();
}

void CEAHdrStaticForm::on_maxLumField_editingFinished()
{
    setMaxCandelas(ui->maxLumField, &R::maxLuminanceCode);
}

void CEAHdrStaticForm::on_maxFallField_editingFinished()
{
    setMaxCandelas(ui->maxFallField, &R::maxFrameAverageCode);
}

// The highest min is a hundredth of the max luminance.
void CEAHdrStaticForm::on_minLumField_editingFinished()
{
    if (!fieldEdited(ui->minLumField))
        return;
    const double limit = minLuminanceOfCode(m_record.maxLuminanceCode, kMaxCode);
    bool ok = false;
    double candelas = ui->minLumField->text().toDouble(&ok);
    if (!ok || candelas < 0 || candelas > limit + kMinTolerance) {
        candelas = 0;
        refuse(ui->minLumField,
               QStringLiteral("Min luminance must be 0 to %1 cd/m2 (a hundredth of the max luminance).")
                   .arg(limit, 0, 'f', kMinDecimals),
               QString::number(candelas));
    }
    m_record.minLuminanceCode = minLuminanceCodeOf(m_record.maxLuminanceCode, candelas);
    apply();
}
