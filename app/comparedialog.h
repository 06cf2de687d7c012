#ifndef COMPAREDIALOG_H
#define COMPAREDIALOG_H

#include "edidinfo.h"

#include <QDialog>

namespace Ui { class CompareDialog; }

// The field by field differences between the open document and a file:
// one row per difference with its section, its field and both values.
class CompareDialog : public QDialog
{
    Q_OBJECT
public:
    CompareDialog(const QString& fileName, const QList<DecodedDifference>& differences,
                  QWidget* parent = nullptr);
    ~CompareDialog() override;

    int rowCount() const;
    QString rowText(int row, int column) const;

private:
    Ui::CompareDialog* ui;
};

#endif
