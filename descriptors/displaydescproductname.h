#ifndef DISPLAYDESCPRODUCTNAME_H
#define DISPLAYDESCPRODUCTNAME_H

#include "textdescriptoreditor.h"

namespace Ui { class DisplayDescProductName; }

class DisplayDescProductName : public TextDescriptorEditor
{
    Q_OBJECT
public:
    explicit DisplayDescProductName(QWidget* parent = nullptr);
    ~DisplayDescProductName() override;

private slots:
    void on_prodNameField_editingFinished();

private:
    Ui::DisplayDescProductName* ui;
};

#endif
