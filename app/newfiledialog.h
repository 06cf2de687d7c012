#ifndef NEWFILEDIALOG_H
#define NEWFILEDIALOG_H

#include <QDialog>

namespace Ui { class NewFileDialog; }

// Asks for the E-EDID revision of a new image.
class NewFileDialog : public QDialog
{
    Q_OBJECT
public:
    explicit NewFileDialog(QWidget* parent = nullptr);
    ~NewFileDialog() override;
    // 3 or 4 once OK was pressed; 0 when the dialog was cancelled or closed.
    int revision() const { return m_revision; }
    // Accepting the dialog by any means (OK, Enter) chooses the revision.
    void done(int result) override;

private slots:
    void on_buttonBox_accepted();

private:
    Ui::NewFileDialog* ui;
    int m_revision = 0;
};

#endif
