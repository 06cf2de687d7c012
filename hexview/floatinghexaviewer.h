#ifndef FLOATINGHEXAVIEWER_H
#define FLOATINGHEXAVIEWER_H

#include "edidtypes.h"

#include <QDialog>

class QTableWidget;

// Small always-on-top window repeating the byte grid of the hex viewer.
class FloatingHexaViewer : public QDialog
{
    Q_OBJECT
public:
    explicit FloatingHexaViewer(QWidget* parent = nullptr);

    void setData(const Byte* newData);
    void refreshBytes(const Byte* data, const Byte* newData, int first, int last);
    bool isOpen() const { return m_open; }
    void setOpen(bool open) { m_open = open; }
    QTableWidget* grid() const { return m_grid; }

private:
    void setCell(int index, Byte value, const QColor& colour);

    QTableWidget* m_grid;
    bool m_open = false;
};

#endif
