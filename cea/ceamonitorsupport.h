#ifndef CEAMONITORSUPPORT_H
#define CEAMONITORSUPPORT_H

#include "edidtypes.h"

#include <QGroupBox>

namespace Ui { class CEAMonitorSupport; }

// The "Monitor Support" group: the four support flags of extension byte 3
// and the native detailed timing count kept in its low nibble. A change is
// handed on as the new byte (monitorByteChanged); the extension editor puts
// it into the extension model, from which it reaches the image.
class CEAMonitorSupport : public QGroupBox
{
    Q_OBJECT
public:
    explicit CEAMonitorSupport(QWidget* parent = nullptr);
    ~CEAMonitorSupport() override;

    void resetFields(Byte* data, Byte* newData);
    void initFields(Byte monitorByte, Byte* data, Byte* newData);
    Word nativeCount() const { return m_nativeCount; }
    void setNativeCount(Word count);
    Byte monitorByte() const;
    // Hands on the byte and describes it to the hex viewer.
    void updateEDID();

signals:
    void monitorByteChanged(Byte monitorByte);

private slots:
    void on_underscanCB_clicked(bool checked);
    void on_basicAudioCB_clicked(bool checked);
    void on_ycrcb444CB_clicked(bool checked);
    void on_ycrcb422CB_clicked(bool checked);

private:
    void setFlag(int bit, bool on);
    void updateBoxes();

    Ui::CEAMonitorSupport* ui;
    Byte m_flags = 0;  // bits 7-4 of byte 3
    Word m_nativeCount = 0;
};

#endif
