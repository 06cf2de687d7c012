#include "ceaspeakerallocationblock.h"

#include "ui_ceaspeakerallocationblock.h"

CEASpeakerAllocationBlock::CEASpeakerAllocationBlock(QWidget* parent)
    : CEABlock(parent), ui(new Ui::CEASpeakerAllocationBlock)
{
    ui->setupUi(this);
    setBlockType(CEA_SPEAKER_ALLOCATION);
    m_boxes = {{ui->fl, SPEAKER_FL_FR},     {ui->fr, SPEAKER_FL_FR},     {ui->lfe, SPEAKER_LFE},
               {ui->fc, SPEAKER_FC},        {ui->rl, SPEAKER_RL_RR},     {ui->rr, SPEAKER_RL_RR},
               {ui->rc, SPEAKER_RC},        {ui->flc, SPEAKER_FLC_FRC},  {ui->frc, SPEAKER_FLC_FRC},
               {ui->rlc, SPEAKER_RLC_RRC},  {ui->rrc, SPEAKER_RLC_RRC},  {ui->flw, SPEAKER_FLW_FRW},
               {ui->frw, SPEAKER_FLW_FRW},  {ui->flh, SPEAKER_FLH_FRH},  {ui->frh, SPEAKER_FLH_FRH},
               {ui->tc, SPEAKER_TC},        {ui->fch, SPEAKER_FCH}};
}

CEASpeakerAllocationBlock::~CEASpeakerAllocationBlock()
{
    delete ui;
}

void CEASpeakerAllocationBlock::initFields(int, int length, const Byte* payload, Byte*, Byte*)
{
    // Kept whole, whatever its length, until a speaker is changed.
    m_speakers = SpeakerAllocation(QByteArray(reinterpret_cast<const char*>(payload), length));
    updateUI();
}

void CEASpeakerAllocationBlock::resetFields(Byte*, Byte*)
{
    m_speakers = SpeakerAllocation();
    updateEDID();
    updateUI();
}

void CEASpeakerAllocationBlock::updateUI()
{
    for (const auto& box : m_boxes)
        box.first->setChecked(m_speakers.hasSpeaker(box.second));
}

void CEASpeakerAllocationBlock::speakerClicked(CEASpeaker speaker, bool checked)
{
    m_speakers.setSpeaker(speaker, checked);
    updateUI();
    updateEDID();
}

void CEASpeakerAllocationBlock::on_fl_clicked(bool checked) { speakerClicked(SPEAKER_FL_FR, checked); }
void CEASpeakerAllocationBlock::on_fr_clicked(bool checked) { speakerClicked(SPEAKER_FL_FR, checked); }
void CEASpeakerAllocationBlock::on_lfe_clicked(bool checked) { speakerClicked(SPEAKER_LFE, checked); }
void CEASpeakerAllocationBlock::on_fc_clicked(bool checked) { speakerClicked(SPEAKER_FC, checked); }
void CEASpeakerAllocationBlock::on_rl_clicked(bool checked) { speakerClicked(SPEAKER_RL_RR, checked); }
void CEASpeakerAllocationBlock::on_rr_clicked(bool checked) { speakerClicked(SPEAKER_RL_RR, checked); }
void CEASpeakerAllocationBlock::on_rc_clicked(bool checked) { speakerClicked(SPEAKER_RC, checked); }
void CEASpeakerAllocationBlock::on_flc_clicked(bool checked) { speakerClicked(SPEAKER_FLC_FRC, checked); }
void CEASpeakerAllocationBlock::on_frc_clicked(bool checked) { speakerClicked(SPEAKER_FLC_FRC, checked); }
void CEASpeakerAllocationBlock::on_rlc_clicked(bool checked) { speakerClicked(SPEAKER_RLC_RRC, checked); }
void CEASpeakerAllocationBlock::on_rrc_clicked(bool checked) { speakerClicked(SPEAKER_RLC_RRC, checked); }
void CEASpeakerAllocationBlock::on_flw_clicked(bool checked) { speakerClicked(SPEAKER_FLW_FRW, checked); }
void CEASpeakerAllocationBlock::on_frw_clicked(bool checked) { speakerClicked(SPEAKER_FLW_FRW, checked); }
void CEASpeakerAllocationBlock::on_flh_clicked(bool checked) { speakerClicked(SPEAKER_FLH_FRH, checked); }
void CEASpeakerAllocationBlock::on_frh_clicked(bool checked) { speakerClicked(SPEAKER_FLH_FRH, checked); }
void CEASpeakerAllocationBlock::on_tc_clicked(bool checked) { speakerClicked(SPEAKER_TC, checked); }
void CEASpeakerAllocationBlock::on_fch_clicked(bool checked) { speakerClicked(SPEAKER_FCH, checked); }

void CEASpeakerAllocationBlock::on_helpButton_clicked(bool checked)
{
    setHelpShown(checked);
}
