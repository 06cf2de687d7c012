#ifndef CEAVENDORSPECIFICBLOCK_H
#define CEAVENDORSPECIFICBLOCK_H

#include "edidtypes.h"

#include <QWidget>

namespace Ui { class CEAVendorSpecificBlock; }

// One vendor byte of a vendor-specific data block, typed as two
// hexadecimal digits.
class CEAVendorSpecificBlock : public QWidget
{
    Q_OBJECT
public:
    explicit CEAVendorSpecificBlock(QWidget* parent = nullptr);
    ~CEAVendorSpecificBlock() override;

    // The byte 00 at position `index`.
    void initFields(Byte* data, Byte* newData, int index);
    void setByte(Byte value, Byte* data, Byte* newData, int index);
    Byte byteValue() const;

signals:
    void valueChanged();

private slots:
    void on_blockField_editingFinished();

private:
    Ui::CEAVendorSpecificBlock* ui;
    int m_index = 0;
};

#endif
