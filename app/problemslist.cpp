#include "problemslist.h"
#include "ui_problemslist.h"

#include "decodeddocument.h"

#include <QHeaderView>
#include <QStyle>
#include <algorithm>

namespace {

enum Column { LevelColumn, BlockColumn, ByteColumn, MessageColumn };

QString countText(int count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

bool sameFinding(const Finding& a, const Finding& b)
{
    return a.level == b.level && a.block == b.block && a.offset == b.offset && a.message == b.message;
}

} // namespace

ProblemsList::ProblemsList(DecodedDocument* decoded, QWidget* parent)
    : QWidget(parent), ui(new Ui::ProblemsList), m_decoded(decoded)
{
    ui->setupUi(this);
    QHeaderView* header = ui->problemsTree->header();
    header->setStretchLastSection(true);
    for (int column : {LevelColumn, BlockColumn, ByteColumn})
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    connect(ui->problemsTree, &QTreeWidget::itemClicked, this, &ProblemsList::onItemChosen);
    connect(ui->problemsTree, &QTreeWidget::itemActivated, this, &ProblemsList::onItemChosen);
    if (decoded)
        connect(decoded, &DecodedDocument::decoded, this, &ProblemsList::refill);
    refill();
}

ProblemsList::~ProblemsList()
{
    delete ui;
}

// The entry chosen before stays chosen while the same problem is listed.
void ProblemsList::refill()
{
    Findings findings = m_decoded ? m_decoded->findings() : Findings();
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return a.level == Finding::Failure && b.level != Finding::Failure;
    });
    const int current = ui->problemsTree->indexOfTopLevelItem(ui->problemsTree->currentItem());
    const Finding previous = current >= 0 ? m_findings.value(current) : Finding();
    m_findings = findings;
    ui->problemsTree->clear();
    for (const Finding& finding : findings)
        addRow(finding);
    for (int row = 0; current >= 0 && row < findings.size(); ++row) {
        if (sameFinding(findings.at(row), previous))
            ui->problemsTree->setCurrentItem(ui->problemsTree->topLevelItem(row));
    }
    setWindowTitle(QStringLiteral("Problems: ") + summary());
}

void ProblemsList::addRow(const Finding& finding)
{
    const bool failure = finding.level == Finding::Failure;
    auto* item = new QTreeWidgetItem(ui->problemsTree);
    item->setText(LevelColumn, failure ? QStringLiteral("Failure") : QStringLiteral("Warning"));
    item->setIcon(LevelColumn, style()->standardIcon(failure ? QStyle::SP_MessageBoxCritical
                                                             : QStyle::SP_MessageBoxWarning));
    item->setText(BlockColumn, QString::number(finding.block));
    // The offset in the file, also in hexadecimal as the hex viewer counts.
    if (finding.offset >= 0)
        item->setText(ByteColumn, QStringLiteral("%1 (0x%2)").arg(finding.offset)
                                      .arg(QString::number(finding.offset, 16).toUpper().rightJustified(2, '0')));
    item->setText(MessageColumn, finding.message);
    item->setToolTip(MessageColumn, finding.message);
}

QString ProblemsList::summary() const
{
    int failures = 0;
    for (const Finding& finding : m_findings)
        failures += finding.level == Finding::Failure;
    const int warnings = m_findings.size() - failures;
    if (m_findings.isEmpty())
        return QStringLiteral("none");
    return countText(failures, "failure", "failures") + QStringLiteral(", ")
        + countText(warnings, "warning", "warnings");
}

QString ProblemsList::rowText(int row, int column) const
{
    const QTreeWidgetItem* item = ui->problemsTree->topLevelItem(row);
    return item ? item->text(column) : QString();
}

void ProblemsList::choose(int row)
{
    QTreeWidgetItem* item = ui->problemsTree->topLevelItem(row);
    if (!item)
        return;
    ui->problemsTree->setCurrentItem(item);
    onItemChosen(item);
}

void ProblemsList::onItemChosen(QTreeWidgetItem* item)
{
    const int row = ui->problemsTree->indexOfTopLevelItem(item);
    if (row >= 0 && row < m_findings.size())
        emit chosen(m_findings.at(row));
}
