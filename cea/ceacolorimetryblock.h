#ifndef CEACOLORIMETRYBLOCK_H
#define CEACOLORIMETRYBLOCK_H

#include "ceablock.h"
#include "ceaextendedcodecs.h"

#include <QList>
#include <QPair>

namespace Ui { class CEAColorimetryBlock; }
class QCheckBox;

// Editor of a colorimetry data block (catalogue index 6): one check box per
// extended colorimetry standard. The metadata byte after the colorimetry
// byte, and any bytes after that, are kept as loaded.
class CEAColorimetryBlock : public CEABlock
{
    Q_OBJECT
public:
    explicit CEAColorimetryBlock(QWidget* parent = nullptr);
    ~CEAColorimetryBlock() override;

    void initFields(int tag, int length, const Byte* payload, Byte* data, Byte* newData) override;
    void resetFields(Byte* data, Byte* newData) override;
    QByteArray blockBytes() const override;

public slots:
    void updateUI() override;

private slots:
    void on_bt2020rgbCB_clicked(bool checked);
    void on_bt2020yccCB_clicked(bool checked);
    void on_bt2020cyccCB_clicked(bool checked);
    void on_adobergbCB_clicked(bool checked);
    void on_adobeycc601CB_clicked(bool checked);
    void on_sycc501CB_clicked(bool checked);
    void on_xvycc709CB_clicked(bool checked);
    void on_xvycc601CB_clicked(bool checked);
    void on_helpButton_clicked(bool checked);

private:
    void setBit(int bit, bool checked);

    Ui::CEAColorimetryBlock* ui;
    // Each check box with its bit of the colorimetry byte.
    QList<QPair<QCheckBox*, int>> m_boxes;
    // Byte 0 the colorimetry byte, byte 1 the metadata byte.
    FlagPayload m_payload{2};
};

#endif
