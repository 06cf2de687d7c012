#include "standardtimings.h"
#include "ui_standardtimings.h"

#include "standardtimingitem.h"

#include <QGridLayout>

namespace {
const int kColumns = 2;
}

StandardTimings::StandardTimings(QWidget* parent)
    : SectionEditor(parent), ui(new Ui::StandardTimings)
{
    ui->setupUi(this);
    for (int i = 0; i < STANDARD_TIMING_COUNT; ++i) {
        m_items[i] = new StandardTimingItem(this);
        m_items[i]->setObjectName(QStringLiteral("standardTiming%1").arg(i + 1));
        ui->itemsLayout->addWidget(m_items[i], i / kColumns, i % kColumns);
    }
}

StandardTimings::~StandardTimings()
{
    delete ui;
}

void StandardTimings::initFields(const T_EDID_STANDARD_TIMING* timings, Byte* data, Byte* newData)
{
    setImages(data, newData);
    for (int i = 0; i < STANDARD_TIMING_COUNT; ++i)
        m_items[i]->initFields(timings[i], data, newData, i + 1);
}

void StandardTimings::resetFields(Byte* data, Byte* newData)
{
    setImages(data, newData);
    for (int i = 0; i < STANDARD_TIMING_COUNT; ++i)
        m_items[i]->resetFields(data, newData, i + 1);
}

void StandardTimings::updateSectionData()
{
    for (StandardTimingItem* item : m_items)
        item->updateSectionData();
}
