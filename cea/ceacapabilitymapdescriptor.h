#ifndef CEACAPABILITYMAPDESCRIPTOR_H
#define CEACAPABILITYMAPDESCRIPTOR_H

#include "ceablock.h"

#include <QList>

namespace Ui { class CEACapabilityMapDescriptor; }

// Editor of a YCbCr 4:2:0 capability map data block (catalogue index 11):
// the positions of the short video descriptors of the first video block
// that also support 4:2:0, or "All formats" (a map of its extended tag byte
// alone). A loaded map is written back byte for byte until it is edited.
class CEACapabilityMapDescriptor : public CEABlock
{
    Q_OBJECT
public:
    explicit CEACapabilityMapDescriptor(QWidget* parent = nullptr);
    ~CEACapabilityMapDescriptor() override;

    void initFields(int tag, int length, const Byte* payload, Byte* data, Byte* newData) override;
    void resetFields(Byte* data, Byte* newData) override;
    QByteArray blockBytes() const override;

public slots:
    void updateUI() override;

private slots:
    void on_addButton_clicked();
    void on_removeButton_clicked();
    void on_allFormatsCB_clicked(bool checked);
    void on_helpButton_clicked(bool checked);

private:
    void fillFormatCombo();
    void edited();

    Ui::CEACapabilityMapDescriptor* ui;
    // Selected descriptor positions, ascending, no duplicates.
    QList<int> m_positions;
    bool m_allFormats = false;
    // The loaded bitmap, written as it is until the first edit.
    QByteArray m_loadedBitmap;
    bool m_edited = true;
};

#endif
