#ifndef CEAVENDORSPECIFICDESCRIPTOR_H
#define CEAVENDORSPECIFICDESCRIPTOR_H

#include "ceablock.h"

#include <QList>

namespace Ui { class CEAVendorSpecificDescriptor; }
class CEAVendorSpecificBlock;
class QSpacerItem;

// Editor of the vendor-specific data blocks (catalogue index 4), and of the
// vendor-specific video and audio blocks (7 and 8): the IEEE OUI and the
// vendor bytes after it, which the editor does not interpret. The OUI and
// the bytes are held as the texts of their fields.
class CEAVendorSpecificDescriptor : public CEABlock
{
    Q_OBJECT
public:
    explicit CEAVendorSpecificDescriptor(int index, QWidget* parent = nullptr);
    ~CEAVendorSpecificDescriptor() override;

    void initFields(int tag, int length, const Byte* payload, Byte* data, Byte* newData) override;
    void resetFields(Byte* data, Byte* newData) override;
    QByteArray blockBytes() const override;

public slots:
    void updateUI() override;

private slots:
    void on_addVSDBButton_clicked();
    void on_delVSDBButton_clicked();
    void on_regIDField_editingFinished();
    void on_helpButton_clicked(bool checked);

private:
    int maxCount() const;

    Ui::CEAVendorSpecificDescriptor* ui;
    QList<CEAVendorSpecificBlock*> m_rows;
    // Keeps the rows at the top; in the row layout only while rows are shown.
    QSpacerItem* m_spacer;
    // Payload bytes after the extended tag byte, the 3 OUI bytes included:
    // 0, or 3 up to the limit; a loaded truncated block may hold 1 or 2.
    int m_count = 0;
};

#endif
