#ifndef DISPLAYTRANSFERTCHARACTERISTICS_H
#define DISPLAYTRANSFERTCHARACTERISTICS_H

#include "edidrecords.h"
#include "sectioneditor.h"

namespace Ui { class DisplayTransfertCharacteristics; }
class Validator;

// Editor of byte 23, the display gamma.
class DisplayTransfertCharacteristics : public SectionEditor
{
    Q_OBJECT
public:
    explicit DisplayTransfertCharacteristics(QWidget* parent = nullptr);
    ~DisplayTransfertCharacteristics() override;

public slots:
    void initFields(const DTC& gamma, Byte* data, Byte* newData);
    void resetFields(Byte* data, Byte* newData);
    void adaptToEDIDVersion(Word revision);
    void updateUI();
    void updateSectionData();

private slots:
    void on_gammaField_editingFinished();

private:
    QString gammaText() const;
    Ui::DisplayTransfertCharacteristics* ui;
    Validator* m_decimal;
    DTC m_record;
    DTC m_state;
    Word m_revision = 3;
};

#endif
