#include "colorcharacteristics.h"
#include "ui_colorcharacteristics.h"

#include "dialogs.h"
#include "hexaviewer.h"
#include "sectiondescriptions.h"
#include "validators.h"

ColorCharacteristics::ColorCharacteristics(QWidget* parent)
    : SectionEditor(parent), ui(new Ui::ColorCharacteristics)
{
    ui->setupUi(this);
    m_decimal = new Validator("[^0-9.]", this);
    QLineEdit* const fields[8] = {ui->redXField, ui->redYField, ui->greenXField, ui->greenYField,
                                  ui->blueXField, ui->blueYField, ui->whiteXField, ui->whiteYField};
    for (int i = 0; i < 8; ++i) {
        m_fields[i] = fields[i];
        m_fields[i]->setValidator(m_decimal);
    }
}

ColorCharacteristics::~ColorCharacteristics()
{
    delete ui;
}

void ColorCharacteristics::initFields(const T_EDID_COLOR_CHARACTERISTICS& record, Byte* data, Byte* newData)
{
    setImages(data, newData);
    m_record = record;
    m_state = record;
    updateUI();
    HexaViewer::instance()->setColorCharacteristicsDescription(describeFields());
}

void ColorCharacteristics::resetFields(Byte* data, Byte* newData)
{
    setImages(data, newData);
    m_record = T_EDID_COLOR_CHARACTERISTICS();
    m_state = m_record;
    updateUI();
}

void ColorCharacteristics::updateUI()
{
    for (int i = 0; i < 8; ++i)
        m_fields[i]->setText(chromaticityText(m_state.codes[i]));
}

void ColorCharacteristics::updateSectionData()
{
    m_record = m_state;
    writeSection(ColorSection, [&](Byte* image) { encodeColorCharacteristics(m_record, image); });
    HexaViewer::instance()->setColorCharacteristicsDescription(describeFields());
}

FieldDescriptionList ColorCharacteristics::describeFields() const
{
    QStringList coordinates;
    for (const QLineEdit* field : m_fields)
        coordinates << field->text();
    return colorCharacteristicsDescription(coordinates);
}

void ColorCharacteristics::editCoordinate(int index)
{
    QLineEdit* field = m_fields[index];
    if (showsValue(field, chromaticityText(m_state.codes[index])))
        return;
    bool readable = false;
    const double value = field->text().toDouble(&readable);
    if (readable && value >= 0.0 && value < 1.0) {
        m_state.codes[index] = chromaticityCode(value, m_state.codes[index]);
        // Entries from 0.9995 round to 1024, one more than 10 bits hold:
        // they are stored as 1023, so show what that is.
        if (m_state.codes[index] == MAX_CHROMATICITY_CODE && value > 0.9995 - 1e-9)
            field->setText(chromaticityText(MAX_CHROMATICITY_CODE));
    } else {
        const bool wasBlocked = field->blockSignals(true);
        Dialogs::warning(this, "CEA extention warning",
                         "Display X, Y chromaticity must be in range of 0.000 to 0.999");
        field->setText("0.000");
        field->blockSignals(wasBlocked);
        m_state.codes[index] = 0;
    }
    updateSectionData();
}

void ColorCharacteristics::on_redXField_editingFinished() { editCoordinate(RED_X); }
void ColorCharacteristics::on_redYField_editingFinished() { editCoordinate(RED_Y); }
void ColorCharacteristics::on_greenXField_editingFinished() { editCoordinate(GREEN_X); }
void ColorCharacteristics::on_greenYField_editingFinished() { editCoordinate(GREEN_Y); }
void ColorCharacteristics::on_blueXField_editingFinished() { editCoordinate(BLUE_X); }
void ColorCharacteristics::on_blueYField_editingFinished() { editCoordinate(BLUE_Y); }
void ColorCharacteristics::on_whiteXField_editingFinished() { editCoordinate(WHITE_X); }
void ColorCharacteristics::on_whiteYField_editingFinished() { editCoordinate(WHITE_Y); }
