#ifndef DISPLAYDESCDATASTRING_H
#define DISPLAYDESCDATASTRING_H

#include "textdescriptoreditor.h"

namespace Ui { class DisplayDescDataString; }

class DisplayDescDataString : public TextDescriptorEditor
{
    Q_OBJECT
public:
    explicit DisplayDescDataString(QWidget* parent = nullptr);
    ~DisplayDescDataString() override;

private slots:
    void on_dataStringField_editingFinished();

private:
    Ui::DisplayDescDataString* ui;
};

#endif
