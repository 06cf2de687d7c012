#ifndef CEAFREESYNCFORM_H
#define CEAFREESYNCFORM_H

#include "ceafreesync.h"
#include "ceapayloadform.h"

namespace Ui { class CEAFreeSyncForm; }

// AMD's FreeSync vendor-specific data block (OUI 00-00-1A) as a form: the
// version, the feature caps and MCCS flags as bytes, the refresh range;
// the HDR fields of version 2 (PQ, panel type, two luminance pairs as
// codes with their cd/m2) and the 10-bit max refresh rate of version 3 as
// optional groups. Bytes after those are kept.
class CEAFreeSyncForm : public CEAPayloadForm
{
    Q_OBJECT
public:
    explicit CEAFreeSyncForm(QWidget* parent = nullptr);
    ~CEAFreeSyncForm() override;

    void setPayload(const QByteArray& payload) override;

protected:
    void updateUI() override;

private slots:
    void on_capsField_editingFinished();
    void on_mccsField_editingFinished();
    void on_minRefreshField_editingFinished();
    void on_maxRefreshField_editingFinished();
    void on_refresh10Group_clicked(bool checked);

private:
    int maxRefresh() const;
    void apply();

    Ui::CEAFreeSyncForm* ui;
    FreeSyncBlock m_record;
    QList<Flag<FreeSyncBlock>> m_flags;
};

#endif
