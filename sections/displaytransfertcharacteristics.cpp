#include "displaytransfertcharacteristics.h"
#include "ui_displaytransfertcharacteristics.h"

#include "editorhelpers.h"
#include "hexaviewer.h"
#include "rangechecks.h"
#include "validators.h"

DisplayTransfertCharacteristics::DisplayTransfertCharacteristics(QWidget* parent)
    : SectionEditor(parent), ui(new Ui::DisplayTransfertCharacteristics)
{
    ui->setupUi(this);
    m_decimal = new Validator("[^0-9.]", this);
    ui->gammaField->setValidator(m_decimal);
}

DisplayTransfertCharacteristics::~DisplayTransfertCharacteristics()
{
    delete ui;
}

void DisplayTransfertCharacteristics::initFields(const DTC& gamma, Byte* data, Byte* newData)
{
    setImages(data, newData);
    m_record = gamma;
    m_state = gamma;
    m_revision = EditorHelpers::loadedRevision();
    updateUI();
}

void DisplayTransfertCharacteristics::resetFields(Byte* data, Byte* newData)
{
    setImages(data, newData);
    m_record = DTC();
    m_state = m_record;
    updateUI();
}

void DisplayTransfertCharacteristics::adaptToEDIDVersion(Word revision)
{
    m_revision = revision;
    updateUI();
}

void DisplayTransfertCharacteristics::updateUI()
{
    ui->gammaField->setText(gammaText());
}

QString DisplayTransfertCharacteristics::gammaText() const
{
    return QString::number(m_state.gamma / 100.0, 'f', 2);
}

void DisplayTransfertCharacteristics::updateSectionData()
{
    m_record = m_state;
    writeSection(DisplayParametersSection, [&](Byte* image) { encodeGamma(m_record, image); });
    HexaViewer::instance()->setDisplayParametersDescription(
        {FieldDescription("Gamma", ui->gammaField->text())});
}

void DisplayTransfertCharacteristics::on_gammaField_editingFinished()
{
    if (showsValue(ui->gammaField, gammaText()))
        return;
    const double value = ui->gammaField->text().toDouble();
    const double gamma = RangeCheck::checkedDouble(ui->gammaField, value, MIN_GAMMA / 100.0, MAX_GAMMA / 100.0,
                                                   "Gamma must be in range of 1.00 to 3.54", this);
    m_state.gamma = EditorHelpers::hundredths(gamma);
    updateSectionData();
}
