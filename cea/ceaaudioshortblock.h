#ifndef CEAAUDIOSHORTBLOCK_H
#define CEAAUDIOSHORTBLOCK_H

#include "ceaaudio.h"

#include <QWidget>

namespace Ui { class CEAAudioShortBlock; }
class QGroupBox;

// One short audio descriptor: format, channels, sampling frequencies and
// the format-dependent third byte. Only the controls of the current format
// are enabled; byte 3 is recomputed from them at every edit of one of them
// or of the format.
class CEAAudioShortBlock : public QWidget
{
    Q_OBJECT
public:
    explicit CEAAudioShortBlock(QWidget* parent = nullptr);
    ~CEAAudioShortBlock() override;

    void initFields(const Byte* bytes, Byte* data, Byte* newData);
    // Linear PCM, 2 channels, nothing else; the reserved bits stay.
    void resetFields(Byte* data, Byte* newData);
    QByteArray descriptorBytes() const { return m_descriptor.bytes(); }

signals:
    void valueChanged();

public slots:
    void updateUI();
    void updateEDIDLastByte();

private slots:
    void on_audioFormatCB_activated(int index);
    void on_nbOfChannelsSB_editingFinished();
    void on_freq32CB_clicked(bool checked);
    void on_freq44CB_clicked(bool checked);
    void on_freq48CB_clicked(bool checked);
    void on_freq88CB_clicked(bool checked);
    void on_freq96CB_clicked(bool checked);
    void on_freq176CB_clicked(bool checked);
    void on_freq192CB_clicked(bool checked);
    void on_format16BitCB_clicked();
    void on_format20BitCB_clicked();
    void on_format24BitCB_clicked();
    void on_maxBitRateField_editingFinished();
    void on_audioFormatDependSB_editingFinished();
    void on_AACFL960CB_clicked();
    void on_AACFL1024CB_clicked();
    void on_profileSB_editingFinished();
    void on_MPSCB_clicked();

private:
    void enableGroups(int code, int extension);
    void showLastByte(int code, int extension);
    void sampleRateClicked(int bit, bool checked);
    void lastByteEdited();

    Ui::CEAAudioShortBlock* ui;
    ShortAudioDescriptor m_descriptor;
};

#endif
