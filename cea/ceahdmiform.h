#ifndef CEAHDMIFORM_H
#define CEAHDMIFORM_H

#include "ceahdmi.h"
#include "ceapayloadform.h"

namespace Ui { class CEAHdmiForm; }

// The HDMI 1.x vendor-specific data block (OUI 00-0C-03) as a form: the
// physical address; the deep colour byte, the max TMDS clock and the byte
// of presence flags and content types, each optional byte with a group box
// that appends it when ticked and cuts it when cleared; the latency fields
// and the HDMI video part (image size, HDMI VICs) behind their flags. The
// 3D part is shown raw.
class CEAHdmiForm : public CEAPayloadForm
{
    Q_OBJECT
public:
    explicit CEAHdmiForm(QWidget* parent = nullptr);
    ~CEAHdmiForm() override;

    void setPayload(const QByteArray& payload) override;

protected:
    void updateUI() override;

private slots:
    void on_physAddrField_editingFinished();
    void on_vicsField_editingFinished();

private:
    // A latency code edited as a choice (unknown, milliseconds, not
    // supported) and a time.
    struct Latency {
        QComboBox* choice;
        QLineEdit* field;
        int HdmiVendorBlock::*code;
    };
    void bindLatency(const Latency& latency);
    void showLatency(const Latency& latency);
    void apply();

    Ui::CEAHdmiForm* ui;
    HdmiVendorBlock m_record;
    QList<Flag<HdmiVendorBlock>> m_flags;
    QList<Latency> m_latencies;
};

#endif
