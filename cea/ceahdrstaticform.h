#ifndef CEAHDRSTATICFORM_H
#define CEAHDRSTATICFORM_H

#include "ceahdrstatic.h"
#include "ceapayloadform.h"

namespace Ui { class CEAHdrStaticForm; }

// The HDR static metadata data block as a form: the EOTFs (HLG included)
// and the static metadata type, and the three optional luminance bytes,
// each a group box that appends or cuts it. A luminance is typed either in
// cd/m2, which keeps the nearest code, or as the code itself.
class CEAHdrStaticForm : public CEAPayloadForm
{
    Q_OBJECT
public:
    explicit CEAHdrStaticForm(QWidget* parent = nullptr);
    ~CEAHdrStaticForm() override;

    void setPayload(const QByteArray& payload) override;

protected:
    void updateUI() override;

private slots:
    void on_maxLumField_editingFinished();
    void on_maxFallField_editingFinished();
    void on_minLumField_editingFinished();

private:
    void setMaxCandelas(QLineEdit* field, int HdrStaticMetadata::*code);
    void apply();

    Ui::CEAHdrStaticForm* ui;
    HdrStaticMetadata m_record;
    QList<Flag<HdrStaticMetadata>> m_flags;
};

#endif
