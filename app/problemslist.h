#ifndef PROBLEMSLIST_H
#define PROBLEMSLIST_H

#include "decodedtree.h"

#include <QPointer>
#include <QWidget>

namespace Ui { class ProblemsList; }
class DecodedDocument;
class QTreeWidgetItem;

// The conformance problems of the open document: every finding of the full
// decode, failures first and then warnings, each with its block and first
// byte. It follows the decode, so every edit is judged once the edit is
// done. Choosing an entry asks for its bytes to be shown. The window title
// sums the list up ("Problems: 1 failure, 2 warnings").
class ProblemsList : public QWidget
{
    Q_OBJECT
public:
    explicit ProblemsList(DecodedDocument* decoded, QWidget* parent = nullptr);
    ~ProblemsList() override;

    // What the list shows, in its order.
    const Findings& shownFindings() const { return m_findings; }
    QString summary() const;
    QString rowText(int row, int column) const;
    // As a click on the entry of `row`.
    void choose(int row);

signals:
    void chosen(const Finding& finding);

private slots:
    void refill();
    void onItemChosen(QTreeWidgetItem* item);

private:
    void addRow(const Finding& finding);

    Ui::ProblemsList* ui;
    QPointer<DecodedDocument> m_decoded;
    Findings m_findings;
};

#endif
