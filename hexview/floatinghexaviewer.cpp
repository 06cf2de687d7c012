#include "floatinghexaviewer.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const int kGridSide = 16;
const int kChecksumByte = 127;
const int kMinimumColumnWidth = 20;
const int kMinimumRowHeight = 14;
const QSize kInitialSize(560, 450);
const QColor kUnchangedColour(Qt::lightGray);
const QColor kChangedColour(255, 0, 0);

QString hexText(Byte value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QStringList headerTexts(int step)
{
    QStringList texts;
    for (int i = 0; i < kGridSide; ++i)
        texts << hexText(Byte(i * step));
    return texts;
}

} // namespace

FloatingHexaViewer::FloatingHexaViewer(QWidget* parent)
    : QDialog(parent)
    , m_grid(new QTableWidget(kGridSide, kGridSide, this))
{
    setWindowTitle(QStringLiteral("HexaDecimal View"));
    m_grid->setObjectName(QStringLiteral("floatingByteArray"));
    m_grid->setHorizontalHeaderLabels(headerTexts(1));
    m_grid->setVerticalHeaderLabels(headerTexts(kGridSide));
    for (QHeaderView* header : {m_grid->horizontalHeader(), m_grid->verticalHeader()}) {
        header->setEnabled(false);
        header->setSectionResizeMode(QHeaderView::Stretch);
    }
    for (int i = 0; i < kGridSide * kGridSide; ++i) {
        auto* item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        m_grid->setItem(i / kGridSide, i % kGridSide, item);
    }
    // A mirror only: no selection, no clicks. Mouse presses on the disabled
    // grid reach the window, which uses them to drag itself.
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setEnabled(false);
    // The whole image stays in view: the sections shrink instead of scrolling.
    m_grid->horizontalHeader()->setMinimumSectionSize(kMinimumColumnWidth);
    m_grid->verticalHeader()->setMinimumSectionSize(kMinimumRowHeight);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_grid);
    resize(kInitialSize);
}

void FloatingHexaViewer::setByte(int index, Byte value, const QColor& colour)
{
    QTableWidgetItem* cell = m_grid->item(index / kGridSide, index % kGridSide);
    cell->setText(hexText(value));
    cell->setForeground(colour);
}

void FloatingHexaViewer::setData(const Byte* newData)
{
    for (int i = 0; i < EDID_IMAGE_SIZE; ++i)
        setByte(i, newData[i], kUnchangedColour);
}

void FloatingHexaViewer::refreshBytes(const Byte* data, const Byte* newData, int first, int last)
{
    const auto refresh = [&](int i) {
        const bool changed = data && data[i] != newData[i];
        setByte(i, newData[i], changed ? kChangedColour : kUnchangedColour);
    };
    first = qMax(first, 0);
    last = qMin(last, EDID_IMAGE_SIZE - 1);
    for (int i = first; i <= last; ++i)
        refresh(i);
    refresh(kChecksumByte);
}

void FloatingHexaViewer::clearChangeMarks()
{
    for (int i = 0; i < EDID_IMAGE_SIZE; ++i)
        m_grid->item(i / kGridSide, i % kGridSide)->setForeground(kUnchangedColour);
}

void FloatingHexaViewer::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_pressPosition = event->localPos().toPoint();
    }
    QDialog::mousePressEvent(event);
}

void FloatingHexaViewer::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(pos() + event->pos() - m_pressPosition);
    QDialog::mouseMoveEvent(event);
}

void FloatingHexaViewer::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}
