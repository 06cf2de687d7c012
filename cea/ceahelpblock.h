#ifndef CEAHELPBLOCK_H
#define CEAHELPBLOCK_H

#include <QFrame>

namespace Ui { class ceaHelpBlock; }

// The help panel beside the data block editors: shows the selected
// block's help text while that block's help button is down.
class ceaHelpBlock : public QFrame
{
    Q_OBJECT
public:
    explicit ceaHelpBlock(QWidget* parent = nullptr);
    ~ceaHelpBlock() override;

    void setHelpText(const QString& text);
    QString helpText() const;

private:
    Ui::ceaHelpBlock* ui;
};

#endif
