#include "edithistory.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>

namespace {

bool isTextEntry(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget);
}

} // namespace

class ImageEditCommand : public QUndoCommand
{
public:
    ImageEditCommand(EditHistory* history, EditHistory::State before, EditHistory::State after,
                     const QWidget* field, int generation)
        : m_history(history), m_before(std::move(before)), m_after(std::move(after)),
          m_field(field), m_generation(generation)
    {
        setText("Edit");
    }

    int id() const override { return m_field ? 1 : -1; }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const ImageEditCommand*>(other);
        if (next->m_field != m_field || next->m_generation != m_generation)
            return false;
        m_after = next->m_after;
        setObsolete(m_after.image == m_before.image && m_after.extra == m_before.extra);
        return true;
    }

    void undo() override { m_history->restore(m_before); }

    void redo() override
    {
        // The first redo is the push: the edit is already in the image.
        if (m_pushed)
            m_history->restore(m_after);
        m_pushed = true;
    }

private:
    EditHistory* m_history;
    EditHistory::State m_before;
    EditHistory::State m_after;
    const QWidget* m_field;
    int m_generation;
    bool m_pushed = false;
};

EditHistory::EditHistory(const Byte* working, const QByteArray* extra, Restorer restorer,
                         QObject* parent)
    : QObject(parent), m_working(working), m_extra(extra), m_restorer(std::move(restorer)),
      m_stack(new QUndoStack(this))
{
    connect(qApp, &QApplication::focusChanged, this, &EditHistory::onFocusChanged);
    qApp->installEventFilter(this);
    reset();
}

EditHistory::State EditHistory::current() const
{
    return {QByteArray(reinterpret_cast<const char*>(m_working), EDID_IMAGE_SIZE), *m_extra};
}

void EditHistory::reset()
{
    m_stack->clear();
    m_last = current();
}

void EditHistory::scheduleCapture()
{
    if (m_scheduled || m_restoring)
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_scheduled = false;
        // A warning box of the edit is still open: its fallback comes next.
        if (QApplication::activeModalWidget())
            scheduleCapture();
        else
            capture();
    });
}

void EditHistory::capture()
{
    if (m_restoring)
        return;
    State now = current();
    if (now.image == m_last.image && now.extra == m_last.extra)
        return;
    auto* command = new ImageEditCommand(this, m_last, now, m_typedField, m_focusGeneration);
    m_typedField = nullptr;
    m_last = std::move(now);
    m_stack->push(command);
}

void EditHistory::undo()
{
    capture();
    m_stack->undo();
}

void EditHistory::redo()
{
    capture();
    m_stack->redo();
}

void EditHistory::restore(const State& state)
{
    m_restoring = true;
    m_restorer(state);
    m_last = current();
    m_restoring = false;
    ++m_focusGeneration;
}

bool EditHistory::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (isTextEntry(widget))
            m_typedField = widget;
    }
    return QObject::eventFilter(watched, event);
}

void EditHistory::onFocusChanged(QWidget*, QWidget*)
{
    ++m_focusGeneration;
}
