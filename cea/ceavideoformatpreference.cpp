#include "ceavideoformatpreference.h"

#include "ceavideo.h"
#include "ui_ceavideoformatpreference.h"

CEAVideoFormatPreference::CEAVideoFormatPreference(QWidget* parent)
    : CEABlock(parent), ui(new Ui::CEAVideoFormatPreference)
{
    ui->setupUi(this);
    setBlockType(CEA_VIDEO_FORMAT_PREFERENCE);
    // A preference holds a 7-bit VIC: the VICs from 193 on are not offered.
    ui->formatMulti->addItems(vicComboItems().mid(0, CEA_LAST_7BIT_VIC) << QStringLiteral("Other"));
    ui->codeField->setMaximum(CEA_LAST_7BIT_VIC + 1);
}

CEAVideoFormatPreference::~CEAVideoFormatPreference()
{
    delete ui;
}

void CEAVideoFormatPreference::initFields(int, int length, const Byte* payload, Byte*, Byte*)
{
    m_entries = decodeFormatPreferences(payload, length);
    updateUI();
    updateEDID();
}

void CEAVideoFormatPreference::resetFields(Byte*, Byte*)
{
    m_entries.clear();
    updateUI();
    updateEDID();
}

QByteArray CEAVideoFormatPreference::blockBytes() const
{
    return char(extendedTag()) + encodeFormatPreferences(m_entries);
}

void CEAVideoFormatPreference::updateUI()
{
    const int row = ui->preferedFormatList->currentRow();
    ui->preferedFormatList->clear();
    for (const VideoFormatRef& entry : m_entries) {
        if (!entry.isVIC)
            ui->preferedFormatList->addItem(QString::number(entry.value));
        else
            ui->preferedFormatList->addItem(entry.value == 0 ? QStringLiteral("VIC 0")
                                                             : ui->formatMulti->itemText(qMin(entry.value - 1, CEA_LAST_7BIT_VIC)));
    }
    ui->preferedFormatList->setCurrentRow(qMin(row, ui->preferedFormatList->count() - 1));
}

void CEAVideoFormatPreference::on_formatMulti_currentIndexChanged(int index)
{
    ui->codeField->setValue(index + 1);
}

void CEAVideoFormatPreference::on_codeField_valueChanged(int value)
{
    ui->formatMulti->setCurrentIndex(value - 1);
}

void CEAVideoFormatPreference::append(const VideoFormatRef& entry)
{
    if (m_entries.size() >= CEA_MAX_FORMAT_PREFERENCES)
        return;
    m_entries << entry;
    updateUI();
    updateEDID();
}

void CEAVideoFormatPreference::on_addVICButton_clicked()
{
    append({true, qMin(ui->formatMulti->currentIndex() + 1, CEA_LAST_7BIT_VIC)});
}

void CEAVideoFormatPreference::on_addDTDButton_clicked()
{
    append({false, ui->DTDPSpinBox->value()});
}

void CEAVideoFormatPreference::listChanged()
{
    updateUI();
    emit valueChanged();
}

void CEAVideoFormatPreference::on_removeButton_clicked()
{
    const int row = ui->preferedFormatList->currentRow();
    if (row >= 0 && row < m_entries.size())
        m_entries.removeAt(row);
    listChanged();
}

void CEAVideoFormatPreference::moveCurrent(int step)
{
    const int row = ui->preferedFormatList->currentRow();
    const int target = row + step;
    if (row >= 0 && target >= 0 && target < m_entries.size()) {
        m_entries.move(row, target);
        ui->preferedFormatList->setCurrentRow(target);
    }
    listChanged();
}

void CEAVideoFormatPreference::on_upButton_clicked()
{
    moveCurrent(-1);
}

void CEAVideoFormatPreference::on_downButton_clicked()
{
    moveCurrent(1);
}

void CEAVideoFormatPreference::on_helpButton_clicked(bool checked)
{
    setHelpShown(checked);
}
