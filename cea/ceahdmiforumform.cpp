#include "ceahdmiforumform.h"

#include "ui_ceahdmiforumform.h"

namespace {

typedef HdmiForumBlock R;

constexpr int kChunkUnit = 1024;

// The items of a combo box of codes: the text of every code the range allows.
void fillCodes(QComboBox* combo, const FieldRange& range, QString (*text)(int))
{
    for (int code = range.minimum; code <= range.maximum; code += range.step)
        combo->addItem(text(code));
}

} // namespace

CEAHdmiForumForm::CEAHdmiForumForm(QWidget* parent) : CEAPayloadForm(parent), ui(new Ui::CEAHdmiForumForm)
{
    ui->setupUi(this);
    fillCodes(ui->maxFrlMulti, hdmiForumRange(HdmiForumValue::MaxFrlRate), frlRateText);
    fillCodes(ui->dscMaxFrlMulti, hdmiForumRange(HdmiForumValue::DscMaxFrlRate), frlRateText);
    fillCodes(ui->dscMaxSlicesMulti, hdmiForumRange(HdmiForumValue::DscMaxSlices), dscSlicesText);
    const auto apply = [this] { this->apply(); };
    m_flags = {
        {ui->scdcCB, &R::scdcPresent},
        {ui->rrCB, &R::rrCapable},
        {ui->cableStatusCB, &R::cableStatus},
        {ui->ccbpciCB, &R::ccbpci},
        {ui->lte340CB, &R::lte340Scramble},
        {ui->independentViewCB, &R::independentView},
        {ui->dualViewCB, &R::dualView},
        {ui->osdDisparityCB, &R::osdDisparity},
        {ui->uhdVicCB, &R::uhdVic},
        {ui->dc48bit420CB, &R::dc48bit420},
        {ui->dc36bit420CB, &R::dc36bit420},
        {ui->dc30bit420CB, &R::dc30bit420},
        {ui->featuresGroup, &R::hasFeatures},
        {ui->fapaEndExtendedCB, &R::fapaEndExtended},
        {ui->qmsCB, &R::qms},
        {ui->mDeltaCB, &R::mDelta},
        {ui->cinemaVrrCB, &R::cinemaVrr},
        {ui->cnmVrrCB, &R::cnmVrr},
        {ui->fvaCB, &R::fva},
        {ui->allmCB, &R::allm},
        {ui->fapaStartCB, &R::fapaStartLocation},
        {ui->vrrGroup, &R::hasVrr},
        {ui->dscGroup, &R::hasDsc},
        {ui->dsc1p2CB, &R::dsc1p2},
        {ui->dscNative420CB, &R::dscNative420},
        {ui->qmsTfrMaxCB, &R::qmsTfrMax},
        {ui->qmsTfrMinCB, &R::qmsTfrMin},
        {ui->dscAllBppCB, &R::dscAllBpp},
        {ui->dsc16bpcCB, &R::dsc16bpc},
        {ui->dsc12bpcCB, &R::dsc12bpc},
        {ui->dsc10bpcCB, &R::dsc10bpc},
    };
    bindFlags(m_flags, &m_record, apply);
    const struct {
        QLineEdit* field;
        int R::*member;
        HdmiForumValue value;
        int fallback;
    } numbers[] = {
        {ui->versionField, &R::version, HdmiForumValue::Version, 1},
        {ui->maxTmdsRateField, &R::maxTmdsCharacterRate, HdmiForumValue::MaxTmdsCharacterRate, 0},
        {ui->vrrMinField, &R::vrrMin, HdmiForumValue::VrrMin, 0},
        {ui->vrrMaxField, &R::vrrMax, HdmiForumValue::VrrMax, 0},
        {ui->dscChunkField, &R::dscTotalChunkKBytes, HdmiForumValue::DscTotalChunkKBytes, 0},
    };
    for (const auto& number : numbers)
        bindNumber(number.field, &m_record, number.member, hdmiForumRange(number.value), number.fallback, apply);
    bindChoice(ui->maxFrlMulti, &m_record, &R::maxFrlRate, apply);
    bindChoice(ui->dscMaxFrlMulti, &m_record, &R::dscMaxFrlRate, apply);
    bindChoice(ui->dscMaxSlicesMulti, &m_record, &R::dscMaxSlices, apply);
    updateUI();
}

CEAHdmiForumForm::~CEAHdmiForumForm()
{
    delete ui;
}

void CEAHdmiForumForm::setPayload(const QByteArray& payload)
{
    m_record = decodeHdmiForumBlock(payload);
    updateUI();
}

void CEAHdmiForumForm::apply()
{
    applyRecord(m_record, encodeHdmiForumBlock, decodeHdmiForumBlock);
}

// Reserved codes as loaded select no item.
void CEAHdmiForumForm::updateUI()
{
    showFlags(m_flags, m_record);
    setQuietly(ui->versionField, QString::number(m_record.version));
    setQuietly(ui->maxTmdsRateField, QString::number(m_record.maxTmdsCharacterRate));
    setQuietly(ui->vrrMinField, QString::number(m_record.vrrMin));
    setQuietly(ui->vrrMaxField, QString::number(m_record.vrrMax));
    setQuietly(ui->dscChunkField, QString::number(m_record.dscTotalChunkKBytes));
    ui->dscChunkBytes->setText(
        QStringLiteral("= %1 bytes").arg(kChunkUnit * (m_record.dscTotalChunkKBytes + 1)));
    const QList<QPair<QComboBox*, int>> codes = {{ui->maxFrlMulti, m_record.maxFrlRate},
                                                 {ui->dscMaxFrlMulti, m_record.dscMaxFrlRate},
                                                 {ui->dscMaxSlicesMulti, m_record.dscMaxSlices}};
    for (const auto& code : codes)
        setQuietly(code.first, code.second < code.first->count() ? code.second : -1);
}
