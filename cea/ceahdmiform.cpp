#include "ceahdmiform.h"

#include "ui_ceahdmiform.h"
#include "validators.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

typedef HdmiVendorBlock R;

enum LatencyChoice { LatencyUnknown, LatencyTime, LatencyNotSupported };
constexpr int kUnknownLatencyCode = 0;
constexpr int kNotSupportedLatencyCode = 255;

int choiceOfLatency(int code)
{
    if (code == kUnknownLatencyCode)
        return LatencyUnknown;
    if (code == kNotSupportedLatencyCode)
        return LatencyNotSupported;
    return latencyMilliseconds(code) >= 0 ? LatencyTime : -1;  // -1: an invalid code as loaded
}

} // namespace

CEAHdmiForm::CEAHdmiForm(QWidget* parent) : CEAPayloadForm(parent), ui(new Ui::CEAHdmiForm)
{
    ui->setupUi(this);
    ui->physAddrField->setValidator(new UpperCaseValidator(QStringLiteral("[^0-9A-F.]"), this));
    ui->vicsField->setValidator(new Validator(QStringLiteral("[^0-9 ,]"), this));
    const auto apply = [this] { this->apply(); };
    m_flags = {
        {ui->capsGroup, &R::hasCapabilities},  {ui->supportsAICB, &R::supportsAI},
        {ui->dc48bitCB, &R::dc48bit},          {ui->dc36bitCB, &R::dc36bit},
        {ui->dc30bitCB, &R::dc30bit},          {ui->dcY444CB, &R::dcY444},
        {ui->dviDualCB, &R::dviDual},          {ui->maxTmdsGroup, &R::hasMaxTmdsClock},
        {ui->featuresGroup, &R::hasFeatures},  {ui->cnc0CB, &R::contentGraphics},
        {ui->cnc1CB, &R::contentPhoto},        {ui->cnc2CB, &R::contentCinema},
        {ui->cnc3CB, &R::contentGame},         {ui->latencyGroup, &R::latencyPresent},
        {ui->interlacedGroup, &R::interlacedLatencyPresent},
        {ui->hdmiVideoGroup, &R::hdmiVideoPresent},
        {ui->threeDCB, &R::threeDPresent},
    };
    bindFlags(m_flags, &m_record, apply);
    bindNumber(ui->maxTmdsField, &m_record, &R::maxTmdsClock, hdmiRange(HdmiValue::MaxTmdsClock), 0, apply);
    bindChoice(ui->imageSizeMulti, &m_record, &R::imageSize, apply);
    bindChoice(ui->threeDMultiMulti, &m_record, &R::threeDMultiPresent, apply);
    m_latencies = {
        {ui->videoLatencyMulti, ui->videoLatencyField, &R::videoLatency},
        {ui->audioLatencyMulti, ui->audioLatencyField, &R::audioLatency},
        {ui->interlacedVideoLatencyMulti, ui->interlacedVideoLatencyField, &R::interlacedVideoLatency},
        {ui->interlacedAudioLatencyMulti, ui->interlacedAudioLatencyField, &R::interlacedAudioLatency},
    };
    for (const Latency& latency : qAsConst(m_latencies))
        bindLatency(latency);
    updateUI();
}

CEAHdmiForm::~CEAHdmiForm()
{
    delete ui;
}

void CEAHdmiForm::setPayload(const QByteArray& payload)
{
    m_record = decodeHdmiVendorBlock(payload);
    updateUI();
}

void CEAHdmiForm::apply()
{
    applyRecord(m_record, encodeHdmiVendorBlock, decodeHdmiVendorBlock);
}

void CEAHdmiForm::bindLatency(const Latency& latency)
{
    latency.field->setValidator(integerFilter());
    connect(latency.choice, QOverload<int>::of(&QComboBox::activated), this, [=](int choice) {
        if (choice == LatencyTime)
            m_record.*latency.code = latencyCodeOf(latency.field->text().toInt());
        else
            m_record.*latency.code = choice == LatencyUnknown ? kUnknownLatencyCode : kNotSupportedLatencyCode;
        apply();
    });
    connect(latency.field, &QLineEdit::editingFinished, this, [=] {
        if (!fieldEdited(latency.field))
            return;
        const int ms = checkedNumber(latency.field, hdmiRange(HdmiValue::Latency), 0);
        m_record.*latency.code = latencyCodeOf(ms);
        apply();
    });
}

void CEAHdmiForm::showLatency(const Latency& latency)
{
    const int code = m_record.*latency.code;
    const int choice = choiceOfLatency(code);
    setQuietly(latency.choice, choice);
    setQuietly(latency.field, choice == LatencyTime ? QString::number(latencyMilliseconds(code)) : QString());
    latency.field->setEnabled(choice == LatencyTime);
}

void CEAHdmiForm::updateUI()
{
    setQuietly(ui->physAddrField, physicalAddressText(m_record.physicalAddress).toUpper());
    showFlags(m_flags, m_record);
    setQuietly(ui->maxTmdsField, QString::number(m_record.maxTmdsClock));
    for (const Latency& latency : qAsConst(m_latencies))
        showLatency(latency);
    // Interlaced latency only follows progressive latency.
    ui->interlacedGroup->setEnabled(m_record.latencyPresent);
    setQuietly(ui->imageSizeMulti, m_record.imageSize);
    setQuietly(ui->threeDMultiMulti, m_record.threeDMultiPresent);
    QStringList vics;
    for (int vic : qAsConst(m_record.hdmiVics))
        vics << QString::number(vic);
    setQuietly(ui->vicsField, vics.join(QLatin1Char(' ')));
    setQuietly(ui->threeDField, QString::fromLatin1(m_record.threeD.toHex(' ').toUpper()));
}

void CEAHdmiForm::on_physAddrField_editingFinished()
{
    if (!fieldEdited(ui->physAddrField))
        return;
    int address = parsePhysicalAddress(ui->physAddrField->text());
    if (address < 0) {
        address = 0;
        refuse(ui->physAddrField, QString::fromLatin1(PHYSICAL_ADDRESS_MESSAGE), physicalAddressText(address));
    }
    m_record.physicalAddress = address;
    apply();
}

// Up to seven VICs separated by spaces or commas; a list out of range falls
// back to none.
void CEAHdmiForm::on_vicsField_editingFinished()
{
    if (!fieldEdited(ui->vicsField))
        return;
    const QStringList items = ui->vicsField->text().split(QRegularExpression(QStringLiteral("[ ,]+")),
                                                           Qt::SkipEmptyParts);
    QString problem = fieldRangeProblem(hdmiRange(HdmiValue::HdmiVicCount), items.size());
    QList<int> vics;
    for (const QString& item : items) {
        vics << item.toInt();
        if (problem.isEmpty())
            problem = fieldRangeProblem(hdmiRange(HdmiValue::HdmiVic), vics.last());
    }
    if (!problem.isEmpty()) {
        refuse(ui->vicsField, problem, QString());
        vics.clear();
    }
    m_record.hdmiVics = vics;
    apply();
}
