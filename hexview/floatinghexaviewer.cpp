#include "floatinghexaviewer.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

FloatingHexaViewer::FloatingHexaViewer(QWidget* parent)
    : QDialog(parent), m_grid(new QTableWidget(16, 16, this))
{
    setWindowTitle("HexaDecimal View");
    m_grid->setEnabled(false);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
}

void FloatingHexaViewer::setCell(int index, Byte value, const QColor& colour)
{
    QTableWidgetItem* item = m_grid->item(index / 16, index % 16);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        m_grid->setItem(index / 16, index % 16, item);
    }
    item->setText(QString("%1").arg(value, 2, 16, QChar('0')).toUpper());
    item->setForeground(colour);
}

void FloatingHexaViewer::setData(const Byte* newData)
{
    for (int i = 0; i < EDID_IMAGE_SIZE; ++i)
        setCell(i, newData[i], Qt::lightGray);
}

void FloatingHexaViewer::refreshBytes(const Byte* data, const Byte* newData, int first, int last)
{
    auto refresh = [&](int i) {
        const bool changed = data && data[i] != newData[i];
        setCell(i, newData[i], changed ? QColor(255, 0, 0) : QColor(Qt::lightGray));
    };
    for (int i = first; i <= last; ++i)
        refresh(i);
    refresh(127);
}
