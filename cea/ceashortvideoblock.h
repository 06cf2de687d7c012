#ifndef CEASHORTVIDEOBLOCK_H
#define CEASHORTVIDEOBLOCK_H

#include "edidtypes.h"

#include <QWidget>

namespace Ui { class CEAShortVideoBlock; }

// One short video descriptor of a video data block: the native flag and
// the VIC, chosen by name or by number.
class CEAShortVideoBlock : public QWidget
{
    Q_OBJECT
public:
    explicit CEAShortVideoBlock(QWidget* parent = nullptr);
    ~CEAShortVideoBlock() override;

    // Row i shows the number i + 1.
    void setIndex(int i);
    void initFields(const Byte* descriptor, Byte* data, Byte* newData);
    // VIC 1, not native.
    void resetFields(Byte* data, Byte* newData);
    Byte descriptor() const { return m_descriptor; }

signals:
    void valueChanged();

public slots:
    void updateUI();

private slots:
    void on_nativeCB_clicked(bool checked);
    void on_formatMulti_activated(int index);
    void on_codeField_valueChanged(int value);
    void on_codeField_editingFinished();

private:
    void showVic(int vic);

    Ui::CEAShortVideoBlock* ui;
    Byte m_descriptor = 0x01;
};

#endif
