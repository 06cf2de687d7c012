#ifndef CEAHDMIFORUMFORM_H
#define CEAHDMIFORUMFORM_H

#include "ceahdmiforum.h"
#include "ceapayloadform.h"

namespace Ui { class CEAHdmiForumForm; }

// The HDMI 2.x sink capabilities as a form, for both of their blocks: the
// HDMI Forum vendor-specific data block and the HDMI Forum SCDB. Version,
// max TMDS character rate, the SCDC / 3D flags, max FRL rate and 4:2:0 deep
// colour are always there; the gaming and VRR flags, the VRR range and the
// DSC fields are optional groups, each with a group box that appends or
// cuts its bytes.
class CEAHdmiForumForm : public CEAPayloadForm
{
    Q_OBJECT
public:
    explicit CEAHdmiForumForm(QWidget* parent = nullptr);
    ~CEAHdmiForumForm() override;

    void setPayload(const QByteArray& payload) override;

protected:
    void updateUI() override;

private:
    void apply();

    Ui::CEAHdmiForumForm* ui;
    HdmiForumBlock m_record;
    QList<Flag<HdmiForumBlock>> m_flags;
};

#endif
