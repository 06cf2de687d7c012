#ifndef CEAVIDEOCAPABILITY_H
#define CEAVIDEOCAPABILITY_H

#include "ceablock.h"
#include "ceaextendedcodecs.h"

namespace Ui { class CEAVideoCapability; }

// Editor of a video capability data block (catalogue index 5): the
// quantization range flags and the overscan behaviour of three format
// groups, all in one capability byte. Bytes after it are kept as loaded.
class CEAVideoCapability : public CEABlock
{
    Q_OBJECT
public:
    explicit CEAVideoCapability(QWidget* parent = nullptr);
    ~CEAVideoCapability() override;

    // The payload arrives with its extended tag byte in front.
    void initFields(int tag, int length, const Byte* payload, Byte* data, Byte* newData) override;
    void resetFields(Byte* data, Byte* newData) override;
    QByteArray blockBytes() const override;

public slots:
    void updateUI() override;
    // Rebuilds the capability byte from the controls.
    void updateModel();

private slots:
    void on_helpButton_clicked(bool checked);

private:
    Ui::CEAVideoCapability* ui;
    // The payload after the extended tag byte; byte 0 is the capability byte.
    FlagPayload m_payload{1};
};

#endif
