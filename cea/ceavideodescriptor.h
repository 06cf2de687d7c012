#ifndef CEAVIDEODESCRIPTOR_H
#define CEAVIDEODESCRIPTOR_H

#include "ceablock.h"

#include <QList>

namespace Ui { class CEAVideoDescriptor; }
class CEAShortVideoBlock;
class QSpacerItem;

// Editor of a video data block (catalogue index 1) or of a YCbCr 4:2:0
// video data block (index 10): a list of short video descriptors, one row
// each. All rows exist for the editor's life; a row hidden by "-" keeps its
// descriptor and shows it again after "+", until the next reset.
class CEAVideoDescriptor : public CEABlock
{
    Q_OBJECT
public:
    explicit CEAVideoDescriptor(int index, QWidget* parent = nullptr);
    ~CEAVideoDescriptor() override;

    void initFields(int tag, int length, const Byte* payload, Byte* data, Byte* newData) override;
    void resetFields(Byte* data, Byte* newData) override;
    QByteArray blockBytes() const override;

    // update() refreshes the row list; QWidget's repaint overloads stay usable.
    using QWidget::update;

public slots:
    void update();

private slots:
    void on_addVideoItemButton_clicked();
    void on_delVideoItemButton_clicked();
    void on_helpButton_clicked(bool checked);

private:
    int maxRows() const;
    void addRow();
    void removeLastRow();

    Ui::CEAVideoDescriptor* ui;
    QList<CEAShortVideoBlock*> m_rows;
    // Keeps the rows at the top; in the row layout only while rows are shown.
    QSpacerItem* m_spacer;
    int m_count = 0;
    int m_initialised = 0;
};

#endif
