#ifndef CEASPEAKERALLOCATIONBLOCK_H
#define CEASPEAKERALLOCATIONBLOCK_H

#include "ceablock.h"
#include "ceaspeaker.h"

#include <QList>
#include <QPair>

namespace Ui { class CEASpeakerAllocationBlock; }
class QCheckBox;

// Editor of a speaker allocation data block (catalogue index 3): one check
// box per loudspeaker, laid out as a room plan. Both boxes of a speaker
// pair show the one bit that the pair shares.
class CEASpeakerAllocationBlock : public CEABlock
{
    Q_OBJECT
public:
    explicit CEASpeakerAllocationBlock(QWidget* parent = nullptr);
    ~CEASpeakerAllocationBlock() override;

    void initFields(int tag, int length, const Byte* payload, Byte* data, Byte* newData) override;
    void resetFields(Byte* data, Byte* newData) override;
    QByteArray blockBytes() const override { return m_speakers.payload(); }

public slots:
    void updateUI() override;

private slots:
    void on_fl_clicked(bool checked);
    void on_fr_clicked(bool checked);
    void on_lfe_clicked(bool checked);
    void on_fc_clicked(bool checked);
    void on_rl_clicked(bool checked);
    void on_rr_clicked(bool checked);
    void on_rc_clicked(bool checked);
    void on_flc_clicked(bool checked);
    void on_frc_clicked(bool checked);
    void on_rlc_clicked(bool checked);
    void on_rrc_clicked(bool checked);
    void on_flw_clicked(bool checked);
    void on_frw_clicked(bool checked);
    void on_flh_clicked(bool checked);
    void on_frh_clicked(bool checked);
    void on_tc_clicked(bool checked);
    void on_fch_clicked(bool checked);
    void on_helpButton_clicked(bool checked);

private:
    void speakerClicked(CEASpeaker speaker, bool checked);

    Ui::CEASpeakerAllocationBlock* ui;
    // Every check box with the speaker position it shows.
    QList<QPair<QCheckBox*, CEASpeaker>> m_boxes;
    SpeakerAllocation m_speakers;
};

#endif
