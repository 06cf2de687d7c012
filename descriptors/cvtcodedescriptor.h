#ifndef CVTCODEDESCRIPTOR_H
#define CVTCODEDESCRIPTOR_H

#include "descriptoreditor.h"

namespace Ui { class CVTCodeDescriptor; }
class Validator;

// One of the four 3-byte codes of a CVT timing codes descriptor; it writes
// the descriptor frame and its own three bytes.
class CVTCodeDescriptor : public DescriptorEditor
{
    Q_OBJECT
public:
    explicit CVTCodeDescriptor(int position, QWidget* parent = nullptr);
    ~CVTCodeDescriptor() override;

    void resetFields(Byte* data, Byte* newData, int slot) override;
    void initFields(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Byte* data, Byte* newData,
                    int slot) override;
    void updateCurrentBlock() override;
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
    void showCode();
    void setPreferred(int rate);
    void setSupported(int index, bool checked);

    Ui::CVTCodeDescriptor* ui;
    Validator* m_integerValidator;
    int m_position;
    T_EDID_CVT_CODE m_code;
};

#endif
