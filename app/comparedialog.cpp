#include "comparedialog.h"
#include "ui_comparedialog.h"

#include <QHeaderView>

namespace {

// A section or field that one side does not have.
QString shownValue(const QString& value)
{
    return value.isNull() ? QStringLiteral("(absent)") : value;
}

} // namespace

CompareDialog::CompareDialog(const QString& fileName, const QList<DecodedDifference>& differences,
                             QWidget* parent)
    : QDialog(parent), ui(new Ui::CompareDialog)
{
    ui->setupUi(this);
    ui->summaryLabel->setText(QStringLiteral("%1 %2 between the document and %3:")
                                  .arg(differences.size())
                                  .arg(differences.size() == 1 ? QStringLiteral("difference")
                                                               : QStringLiteral("differences"))
                                  .arg(fileName));
    for (const DecodedDifference& difference : differences) {
        auto* item = new QTreeWidgetItem(ui->differencesTree);
        item->setText(0, difference.section);
        item->setText(1, difference.field.isEmpty() ? QStringLiteral("(section)") : difference.field);
        item->setText(2, shownValue(difference.first));
        item->setText(3, shownValue(difference.second));
        for (int column = 0; column < 4; ++column)
            item->setToolTip(column, item->text(column));
    }
    ui->differencesTree->header()->resizeSections(QHeaderView::ResizeToContents);
}

CompareDialog::~CompareDialog()
{
    delete ui;
}

int CompareDialog::rowCount() const
{
    return ui->differencesTree->topLevelItemCount();
}

QString CompareDialog::rowText(int row, int column) const
{
    const QTreeWidgetItem* item = ui->differencesTree->topLevelItem(row);
    return item ? item->text(column) : QString();
}
