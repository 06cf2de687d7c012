#ifndef CVTCODEDESCRIPTOR_H
#define CVTCODEDESCRIPTOR_H

#include "valuedescriptoreditor.h"

namespace Ui { class CVTCodeDescriptor; }

// One of the four 3-byte codes of a CVT timing codes descriptor; it writes
// the descriptor frame and its own three bytes.
class CVTCodeDescriptor : public ValueDescriptorEditor<T_EDID_CVT_CODE>
{
    Q_OBJECT
public:
    explicit CVTCodeDescriptor(int position, QWidget* parent = nullptr);
    ~CVTCodeDescriptor() override;

    FieldDescriptionList describeFields() const override;

private slots:
    void on_vActField_editingFinished();
    void on_aspectRatioMulti_activated(int index);
    void on_prefVRate50RB_clicked();
    void on_prefVRate60RB_clicked();
    void on_prefVRate75RB_clicked();
    void on_prefVRate85RB_clicked();
    void on_suppVRate50CB_clicked(bool checked);
    void on_suppVRate60CB_clicked(bool checked);
    void on_suppVRate75CB_clicked(bool checked);
    void on_suppVRate85CB_clicked(bool checked);
    void on_suppVRate60RedCB_clicked(bool checked);

private:
    T_EDID_CVT_CODE valueIn(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor) const override;
    void showValue() override;
    void writeValue(Byte* descriptor) const override;
    void setPreferred(int rate);
    void setSupported(int index, bool checked);

    Ui::CVTCodeDescriptor* ui;
    int m_position;
};

#endif
