#ifndef FLOATINGHEXAVIEWER_H
#define FLOATINGHEXAVIEWER_H

#include "edidtypes.h"

#include <QDialog>
#include <QPoint>

class QTableWidget;

// A small frameless, always-on-top window repeating the hex viewer's byte
// grid, so the image stays in sight while the user edits. It follows every
// fill and refresh of the main grid, also while hidden, and is dragged by
// its body with the left mouse button.
class FloatingHexaViewer : public QDialog
{
    Q_OBJECT

public:
    explicit FloatingHexaViewer(QWidget* parent = nullptr);

    void setData(const Byte* newData);
    void refreshBytes(const Byte* data, const Byte* newData, int first, int last);
    // After a save no byte differs from the saved image any more.
    void clearChangeMarks();

    bool isOpen() const { return m_open; }
    void setOpen(bool open) { m_open = open; }

    QTableWidget* grid() const { return m_grid; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setByte(int index, Byte value, const QColor& colour);

    QTableWidget* m_grid = nullptr;
    bool m_open = false;
    bool m_dragging = false;
    QPoint m_pressPosition;
};

#endif
