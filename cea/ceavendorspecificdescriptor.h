#ifndef CEAVENDORSPECIFICDESCRIPTOR_H
#define CEAVENDORSPECIFICDESCRIPTOR_H

#include "ceablock.h"
#include "ceamodernblocks.h"

#include <QList>

namespace Ui { class CEAVendorSpecificDescriptor; }
class CEAPayloadForm;
class CEAVendorSpecificBlock;
class QSpacerItem;

// Editor of the vendor-specific data blocks (catalogue index 4), and of the
// vendor-specific video and audio blocks (7 and 8): the IEEE OUI and the
// vendor bytes after it, held as the texts of their fields (the "Bytes"
// tab). A block whose OUI names a block with a codec of its own (HDMI, HDMI
// Forum, FreeSync; Dolby Vision and HDR10+, shown decoded only) gets that
// block's form in a tab before the bytes, made when the OUI is loaded or
// typed; an edit in the form rewrites the bytes, an edit of the bytes
// shows again in the form.
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
    void onBytesEdited();
    void onFormEdited(const QByteArray& payload);
    void on_addVSDBButton_clicked();
    void on_delVSDBButton_clicked();
    void on_regIDField_editingFinished();
    void on_helpButton_clicked(bool checked);

private:
    int maxCount() const;
    // The OUI and the vendor bytes from a payload after the extended tag.
    void setVendorBytes(const QByteArray& payload);
    // The form and the findings follow the bytes.
    void updateForm();
    void removeForm();

    Ui::CEAVendorSpecificDescriptor* ui;
    QList<CEAVendorSpecificBlock*> m_rows;
    // Keeps the rows at the top; in the row layout only while rows are shown.
    QSpacerItem* m_spacer;
    // Payload bytes after the extended tag byte, the 3 OUI bytes included:
    // 0, or 3 up to the limit; a loaded truncated block may hold 1 or 2.
    int m_count = 0;
    CEAPayloadForm* m_form = nullptr;
    ModernBlockKind m_formKind = ModernBlockKind::None;
};

#endif
