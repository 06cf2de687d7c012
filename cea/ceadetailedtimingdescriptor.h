#ifndef CEADETAILEDTIMINGDESCRIPTOR_H
#define CEADETAILEDTIMINGDESCRIPTOR_H

#include "ceablock.h"
#include "ceadtdlist.h"

#include <QList>

namespace Ui { class CEADetailedTimingDescriptor; }
class DetailedTimings;

// The detailed timing descriptors that follow the data block collection
// (catalogue index 13): one tab per 18-byte descriptor, each edited by an
// embedded detailed timing editor. A loaded descriptor is written back
// exactly as it was loaded until its values are changed.
class CEADetailedTimingDescriptor : public CEABlock
{
    Q_OBJECT
public:
    explicit CEADetailedTimingDescriptor(QWidget* parent = nullptr);
    ~CEADetailedTimingDescriptor() override;

    // `count` descriptors back to back from `firstDTD`; the tag is not used.
    void initFields(int tag, int count, const Byte* firstDTD, Byte* data, Byte* newData) override;
    // Every descriptor back to the detailed timing editor's defaults; a new
    // block has none.
    void resetFields(Byte* data, Byte* newData) override;
    // The descriptors in tab order, without a header byte.
    QByteArray blockBytes() const override;

private slots:
    void on_addDTDTabButton_clicked();
    void on_delDTDTabButton_clicked();
    void on_helpButton_clicked(bool checked);

private:
    struct Tab {
        DetailedTimings* editor;
        LoadedDetailedTiming loaded;
    };
    DetailedTimings* addTab();
    void addDefaultTab();
    void removeAllTabs();

    Ui::CEADetailedTimingDescriptor* ui;
    QList<Tab> m_tabs;
};

#endif
