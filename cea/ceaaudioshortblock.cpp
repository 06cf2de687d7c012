#include "ceaaudioshortblock.h"

#include "ui_ceaaudioshortblock.h"

CEAAudioShortBlock::CEAAudioShortBlock(QWidget* parent) : QWidget(parent), ui(new Ui::CEAAudioShortBlock)
{
    ui->setupUi(this);
    ui->audioFormatCB->addItems(audioFormatNames());
    updateUI();
}

CEAAudioShortBlock::~CEAAudioShortBlock()
{
    delete ui;
}

void CEAAudioShortBlock::initFields(const Byte* bytes, Byte*, Byte*)
{
    m_descriptor = ShortAudioDescriptor(bytes);
    updateUI();
}

void CEAAudioShortBlock::resetFields(Byte*, Byte*)
{
    m_descriptor.reset();
    updateUI();
}

void CEAAudioShortBlock::updateUI()
{
    const int code = m_descriptor.formatCode();
    const int extension = m_descriptor.extensionCode();
    // A format the catalogue lacks (code 0, unknown extensions) leaves the selection as it is.
    const int item = m_descriptor.formatItem();
    if (item >= 0)
        ui->audioFormatCB->setCurrentIndex(item);
    enableGroups(code, extension);
    showLastByte(code, extension);
    ui->nbOfChannelsSB->setValue(m_descriptor.channels());
    const QList<QCheckBox*> rates = {ui->freq32CB, ui->freq44CB, ui->freq48CB, ui->freq88CB,
                                     ui->freq96CB, ui->freq176CB, ui->freq192CB};
    for (int bit = 0; bit < CEA_AUDIO_SAMPLE_RATE_COUNT; ++bit)
        rates.at(bit)->setChecked(m_descriptor.sampleRate(bit));
}

void CEAAudioShortBlock::enableGroups(int code, int extension)
{
    const AudioLastByteKind kind = audioLastByteKind(code);
    if (kind == AUDIO_LAST_BYTE_NONE) {
        ui->compressedGB->setEnabled(true);
        ui->notCompressedGB->setEnabled(false);
        return;
    }
    ui->notCompressedGB->setEnabled(kind == AUDIO_LAST_BYTE_BIT_DEPTH);
    ui->compressedGB->setEnabled(kind == AUDIO_LAST_BYTE_BIT_RATE);
    ui->audioFormatCodeGB->setEnabled(kind == AUDIO_LAST_BYTE_DEPENDENT);
    ui->profileGB->setEnabled(kind == AUDIO_LAST_BYTE_PROFILE);
    ui->AACAudioLengthGB->setEnabled(kind == AUDIO_LAST_BYTE_EXTENSION);
    ui->MPSGB->setEnabled(kind == AUDIO_LAST_BYTE_EXTENSION && audioFormatHasMpegSurround(extension));
}

void CEAAudioShortBlock::showLastByte(int code, int extension)
{
    const AudioLastByteFields fields = decodeAudioLastByte(m_descriptor.lastByte());
    switch (audioLastByteKind(code)) {
    case AUDIO_LAST_BYTE_BIT_DEPTH:
        ui->format16BitCB->setChecked(fields.depth16);
        ui->format20BitCB->setChecked(fields.depth20);
        ui->format24BitCB->setChecked(fields.depth24);
        break;
    case AUDIO_LAST_BYTE_BIT_RATE:
        ui->maxBitRateField->setValue(fields.maxBitRate);
        break;
    case AUDIO_LAST_BYTE_DEPENDENT:
        ui->audioFormatDependSB->setValue(fields.formatDependent);
        break;
    case AUDIO_LAST_BYTE_PROFILE:
        ui->profileSB->setValue(fields.profile);
        break;
    case AUDIO_LAST_BYTE_EXTENSION:
        ui->AACFL960CB->setChecked(fields.frame960);
        ui->AACFL1024CB->setChecked(fields.frame1024);
        if (audioFormatHasMpegSurround(extension))
            ui->MPSCB->setChecked(fields.mpegSurround);
        break;
    case AUDIO_LAST_BYTE_NONE:
        break;
    }
}

void CEAAudioShortBlock::updateEDIDLastByte()
{
    AudioLastByteFields fields;
    fields.depth16 = ui->format16BitCB->isChecked();
    fields.depth20 = ui->format20BitCB->isChecked();
    fields.depth24 = ui->format24BitCB->isChecked();
    fields.maxBitRate = ui->maxBitRateField->value();
    fields.formatDependent = ui->audioFormatDependSB->value();
    fields.profile = ui->profileSB->value();
    fields.frame960 = ui->AACFL960CB->isChecked();
    fields.frame1024 = ui->AACFL1024CB->isChecked();
    fields.mpegSurround = ui->MPSCB->isChecked();
    // The descriptor's own extension code: the current item's after a choice
    // of format, a loaded one that the catalogue lacks otherwise.
    m_descriptor.setLastByte(encodeAudioLastByte(m_descriptor.formatCode(), m_descriptor.extensionCode(), fields));
}

void CEAAudioShortBlock::on_audioFormatCB_activated(int index)
{
    const CEAAudioFormat format = audioFormat(index);
    m_descriptor.setFormatCode(format.code);
    if (format.code == CEA_AUDIO_EXTENDED_CODE)
        m_descriptor.setExtensionCode(format.extension);
    updateEDIDLastByte();
    updateUI();
    emit valueChanged();
}

void CEAAudioShortBlock::on_nbOfChannelsSB_editingFinished()
{
    m_descriptor.setChannels(ui->nbOfChannelsSB->value());
    emit valueChanged();
}

void CEAAudioShortBlock::sampleRateClicked(int bit, bool checked)
{
    m_descriptor.setSampleRate(bit, checked);
    emit valueChanged();
}

void CEAAudioShortBlock::lastByteEdited()
{
    updateEDIDLastByte();
    emit valueChanged();
}

void CEAAudioShortBlock::on_freq32CB_clicked(bool checked) { sampleRateClicked(0, checked); }
void CEAAudioShortBlock::on_freq44CB_clicked(bool checked) { sampleRateClicked(1, checked); }
void CEAAudioShortBlock::on_freq48CB_clicked(bool checked) { sampleRateClicked(2, checked); }
void CEAAudioShortBlock::on_freq88CB_clicked(bool checked) { sampleRateClicked(3, checked); }
void CEAAudioShortBlock::on_freq96CB_clicked(bool checked) { sampleRateClicked(4, checked); }
void CEAAudioShortBlock::on_freq176CB_clicked(bool checked) { sampleRateClicked(5, checked); }
void CEAAudioShortBlock::on_freq192CB_clicked(bool checked) { sampleRateClicked(6, checked); }
void CEAAudioShortBlock::on_format16BitCB_clicked() { lastByteEdited(); }
void CEAAudioShortBlock::on_format20BitCB_clicked() { lastByteEdited(); }
void CEAAudioShortBlock::on_format24BitCB_clicked() { lastByteEdited(); }
void CEAAudioShortBlock::on_maxBitRateField_editingFinished() { lastByteEdited(); }
void CEAAudioShortBlock::on_audioFormatDependSB_editingFinished() { lastByteEdited(); }
void CEAAudioShortBlock::on_AACFL960CB_clicked() { lastByteEdited(); }
void CEAAudioShortBlock::on_AACFL1024CB_clicked() { lastByteEdited(); }
void CEAAudioShortBlock::on_profileSB_editingFinished() { lastByteEdited(); }
void CEAAudioShortBlock::on_MPSCB_clicked() { lastByteEdited(); }
