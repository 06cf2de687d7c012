#ifndef CVTWIZARD_H
#define CVTWIZARD_H

#include "cvt.h"

#include <QDialog>

namespace Ui { class CvtWizard; }
class Validator;

// Modal calculator of a VESA CVT 1.2 timing. OK computes the timing, emits
// it through formatCalculated() and closes; nothing is written here.
class CvtWizard : public QDialog
{
    Q_OBJECT
public:
    CvtWizard(int hActive, int vActive, float rate, QWidget* parent = nullptr);
    ~CvtWizard() override;

public slots:
    void updateUI();

signals:
    void formatCalculated(FormatDefinition format);

private slots:
    void on_checkButton_clicked();

private:
    Ui::CvtWizard* ui;
    Validator* m_integerValidator;
    Validator* m_decimalValidator;
};

#endif
