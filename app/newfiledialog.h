#ifndef NEWFILEDIALOG_H
#define NEWFILEDIALOG_H

#include <QDialog>

class QRadioButton;

// Asks for the E-EDID revision of a new image.
class NewFileDialog : public QDialog
{
    Q_OBJECT
public:
    explicit NewFileDialog(QWidget* parent = nullptr);
    // 3 or 4 once OK was pressed; 0 when the dialog was cancelled or closed.
    int revision() const { return m_revision; }

private slots:
    void on_buttonBox_accepted();

private:
    QRadioButton* m_rev3;
    int m_revision = 0;
};

#endif
