#include "displayscreensize.h"
#include "ui_displayscreensize.h"

#include "editorhelpers.h"
#include "hexaviewer.h"
#include "sectiondescriptions.h"
#include "rangechecks.h"
#include "validators.h"

#include <QDebug>
#include <algorithm>

namespace {
const int kMaxSize = 255;
}

DisplayScreenSize::DisplayScreenSize(QWidget* parent)
    : SectionEditor(parent), ui(new Ui::DisplayScreenSize)
{
    ui->setupUi(this);
    m_digits = new Validator("[^0-9]", this);
    m_decimal = new Validator("[^0-9.]", this);
    ui->hSizeField->setValidator(m_digits);
    ui->vSizeField->setValidator(m_digits);
    ui->ratioField->setValidator(m_decimal);
}

DisplayScreenSize::~DisplayScreenSize()
{
    delete ui;
}

void DisplayScreenSize::initFields(const T_EDID_SCREEN_SIZE_RATIO& screenSize, Byte* data, Byte* newData)
{
    setImages(data, newData);
    m_record = screenSize;
    // The mode shown depends on the revision of this image, not on the one
    // of the image shown before.
    m_revision = EditorHelpers::loadedRevision();
    m_state = UiState();
    m_state.mode = screenSize.mode;
    if (screenSize.mode == SCREEN_DIMENSIONS) {
        m_state.hSize = screenHSize(screenSize.value);
        m_state.vSize = screenVSize(screenSize.value);
    } else {
        m_state.ratio = int(screenSize.value);
    }
    updateUI();
}

void DisplayScreenSize::resetFields(Byte* data, Byte* newData)
{
    setImages(data, newData);
    m_record = T_EDID_SCREEN_SIZE_RATIO();
    m_state = UiState();
    ui->landscapeRB->setChecked(true);
    updateUI();
}

void DisplayScreenSize::adaptToEDIDVersion(Word revision)
{
    m_revision = revision;
    updateUI();
}

void DisplayScreenSize::updateUI()
{
    if (m_revision != 4) {
        ui->dimensionsGB->setEnabled(true);
        m_state.mode = SCREEN_DIMENSIONS;
        ui->aspectRatioGB->setEnabled(false);
        ui->aspectRatioRB->setEnabled(false);
    } else {
        ui->aspectRatioRB->setEnabled(true);
    }
    const bool ratioMode = m_state.mode != SCREEN_DIMENSIONS;
    ui->aspectRatioRB->setChecked(ratioMode);
    ui->dimensionsRB->setChecked(!ratioMode);
    ui->dimensionsGB->setEnabled(!ratioMode);
    ui->aspectRatioGB->setEnabled(ratioMode);
    if (ratioMode) {
        ui->portraitRB->setChecked(m_state.mode == SCREEN_PORTRAIT);
        ui->landscapeRB->setChecked(m_state.mode != SCREEN_PORTRAIT);
    }
    ui->ratioField->setText(ratioText());
    ui->hSizeField->setText(QString::number(m_state.hSize));
    ui->vSizeField->setText(QString::number(m_state.vSize));
}

QString DisplayScreenSize::ratioText() const
{
    return QString::number(m_state.ratio / 100.0, 'f', 2);
}

void DisplayScreenSize::updateSectionData()
{
    m_record.mode = m_state.mode;
    m_record.value = m_state.mode == SCREEN_DIMENSIONS ? screenSizeValue(m_state.hSize, m_state.vSize)
                                                       : quint32(m_state.ratio);
    if (!newData)
        return;
    T_EDID_SCREEN_SIZE_RATIO stored;
    writeSection(DisplayParametersSection, [&](Byte* image) {
        encodeScreenSize(m_record, image);
        decodeScreenSize(image, 4, stored);
    });
    if (m_state.mode != SCREEN_DIMENSIONS) {
        // A ratio that does not fit its byte is stored as the nearest one
        // that does: show what was stored.
        if (stored.mode == m_state.mode)
            m_state.ratio = int(stored.value);
        m_record.value = quint32(m_state.ratio);
        ui->ratioField->setText(ratioText());
    }
    HexaViewer::instance()->setDisplayParametersDescription(describeFields());
}

FieldDescriptionList DisplayScreenSize::describeFields() const
{
    return screenSizeDescription(m_record);
}

void DisplayScreenSize::on_dimensionsRB_clicked(bool checked)
{
    if (!checked)
        return;
    ui->dimensionsGB->setEnabled(true);
    ui->aspectRatioRB->setChecked(false);
    ui->aspectRatioGB->setEnabled(false);
    m_state.mode = SCREEN_DIMENSIONS;
    m_state.hSize = std::clamp(ui->hSizeField->text().toInt(), 0, kMaxSize);
    m_state.vSize = std::clamp(ui->vSizeField->text().toInt(), 0, kMaxSize);
    updateSectionData();
}

void DisplayScreenSize::on_hSizeField_editingFinished()
{
    if (showsValue(ui->hSizeField, QString::number(m_state.hSize)))
        return;
    m_state.hSize = RangeCheck::checkedInt(ui->hSizeField, ui->hSizeField->text().toInt(), 0, kMaxSize,
                                           "Horizontal Size must be in range of 0 to 255 cm", this);
    updateSectionData();
}

void DisplayScreenSize::on_vSizeField_editingFinished()
{
    if (showsValue(ui->vSizeField, QString::number(m_state.vSize)))
        return;
    m_state.vSize = RangeCheck::checkedInt(ui->vSizeField, ui->vSizeField->text().toInt(), 0, kMaxSize,
                                           "Vertical Size must be in range of 0 to 255 cm", this);
    updateSectionData();
}

void DisplayScreenSize::on_aspectRatioRB_clicked(bool checked)
{
    if (!checked)
        return;
    ui->aspectRatioGB->setEnabled(true);
    ui->dimensionsRB->setChecked(false);
    ui->dimensionsGB->setEnabled(false);
    ui->portraitRB->setEnabled(true);
    ui->landscapeRB->setEnabled(true);
    ui->ratioField->setEnabled(true);
    m_state.mode = ui->portraitRB->isChecked() ? SCREEN_PORTRAIT : SCREEN_LANDSCAPE;
    m_state.ratio = EditorHelpers::hundredths(ui->ratioField->text().toDouble());
    updateSectionData();
}

void DisplayScreenSize::checkRatio(bool portrait, const QString& message)
{
    const double min = (portrait ? PORTRAIT_MIN_RATIO : LANDSCAPE_MIN_RATIO) / 100.0;
    const double max = (portrait ? PORTRAIT_MAX_RATIO : LANDSCAPE_MAX_RATIO) / 100.0;
    const double ratio = RangeCheck::checkedDouble(ui->ratioField, ui->ratioField->text().toDouble(), min, max,
                                                   message, this);
    m_state.ratio = EditorHelpers::hundredths(ratio);
    updateSectionData();
}

void DisplayScreenSize::on_portraitRB_clicked(bool checked)
{
    if (!checked)
        return;
    m_state.mode = SCREEN_PORTRAIT;
    checkRatio(true, "Aspect Ratio not in range for Portrait Orientation");
}

void DisplayScreenSize::on_landscapeRB_clicked(bool checked)
{
    if (!checked)
        return;
    m_state.mode = SCREEN_LANDSCAPE;
    checkRatio(false, "Aspect Ratio not in range for Landscape Orientation");
}

void DisplayScreenSize::on_ratioField_editingFinished()
{
    qDebug().noquote() << "value : " + ui->ratioField->text();
    if (showsValue(ui->ratioField, ratioText()))
        return;
    if (ui->portraitRB->isChecked())
        checkRatio(true, "In Portrait Orientation, Aspect Ratio must be in range of 0.28 to 0.99");
    else
        checkRatio(false, "In Landscape Orientation, Aspect Ratio must be in range of 1.00 to 3.54");
}
