#ifndef CEADECODEDFORM_H
#define CEADECODEDFORM_H

#include "ceapayloadform.h"

namespace Ui { class CEADecodedForm; }

// A data block that the editor shows decoded but does not edit (HDR
// dynamic metadata, Dolby Vision, HDR10+): its fields as the core decodes
// them, one row each. Its bytes stay with the holder as they are.
class CEADecodedForm : public CEAPayloadForm
{
    Q_OBJECT
public:
    // `tag` is the tag code of the blocks shown.
    explicit CEADecodedForm(int tag, QWidget* parent = nullptr);
    ~CEADecodedForm() override;

    void setPayload(const QByteArray& payload) override;
    bool editable() const override { return false; }

protected:
    void updateUI() override {}

private:
    Ui::CEADecodedForm* ui;
    int m_tag;
};

#endif
