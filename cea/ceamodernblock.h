#ifndef CEAMODERNBLOCK_H
#define CEAMODERNBLOCK_H

#include "ceablock.h"

namespace Ui { class CEAModernBlock; }
class CEAPayloadForm;

// Editor of the extended-tag data blocks that have a codec of their own:
// HDR static metadata (catalogue index 14), HDR dynamic metadata (15, shown
// decoded only) and the HDMI Forum SCDB (16). It holds the block's bytes
// and shows them in the block's form, with the bytes themselves in a
// second tab; an edit in either replaces the bytes.
class CEAModernBlock : public CEABlock
{
    Q_OBJECT
public:
    CEAModernBlock(int index, QWidget* parent = nullptr);
    ~CEAModernBlock() override;

    void initFields(int tag, int length, const Byte* payload, Byte* data, Byte* newData) override;
    void resetFields(Byte* data, Byte* newData) override;
    QByteArray blockBytes() const override { return m_bytes; }

public slots:
    void updateUI() override;

private slots:
    void on_bytesField_editingFinished();
    void on_helpButton_clicked(bool checked);
    void onFormEdited(const QByteArray& payload);

private:
    Ui::CEAModernBlock* ui;
    CEAPayloadForm* m_form = nullptr;
    // The extended tag byte, then the payload.
    QByteArray m_bytes;
};

#endif
