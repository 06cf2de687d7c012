#ifndef DISPLAYDESCSERIALNUMBER_H
#define DISPLAYDESCSERIALNUMBER_H

#include "textdescriptoreditor.h"

namespace Ui { class DisplayDescSerialNumber; }

class DisplayDescSerialNumber : public TextDescriptorEditor
{
    Q_OBJECT
public:
    explicit DisplayDescSerialNumber(QWidget* parent = nullptr);
    ~DisplayDescSerialNumber() override;

private slots:
    void on_serialNumberField_editingFinished();

private:
    Ui::DisplayDescSerialNumber* ui;
};

#endif
