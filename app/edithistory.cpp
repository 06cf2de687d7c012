#include "edithistory.h"

#include "imagemodel.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>
#include <algorithm>

namespace {

bool isTextEntry(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget);
}

} // namespace

// One undo step: the bytes a span of the working image held before the
// writes of one user action (or of several edits typed into one field) and
// after them.
class ImageWriteCommand : public QUndoCommand
{
public:
    ImageWriteCommand(EditHistory* history, int offset, QByteArray before, QByteArray after,
                      int action, const QWidget* field, int generation)
        : m_history(history), m_offset(offset), m_before(std::move(before)),
          m_after(std::move(after)), m_action(action), m_field(field), m_generation(generation)
    {
        setText("Edit");
    }

    int id() const override { return 1; }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const ImageWriteCommand*>(other);
        const bool sameAction = next->m_action == m_action;
        const bool sameTyping = m_field && next->m_field == m_field && next->m_generation == m_generation;
        if (!sameAction && !sameTyping)
            return false;
        widen(next->m_offset, next->m_before);
        m_action = next->m_action;
        // Typing a value and then its old value back leaves no step.
        setObsolete(m_before == m_after);
        return true;
    }

    void undo() override { m_history->restore(m_offset, m_before); }

    void redo() override
    {
        // The first redo is the push: the bytes are already written.
        if (m_pushed)
            m_history->restore(m_offset, m_after);
        m_pushed = true;
    }

private:
    // Takes in a later write: the span grows to cover it; bytes it wrote
    // first keep their state from before it, every byte's after-state is
    // what the image holds now.
    void widen(int offset, const QByteArray& before)
    {
        const int first = std::min(m_offset, offset);
        const int end = std::max(m_offset + m_before.size(), offset + before.size());
        const QByteArray now = m_history->m_model->bytes(first, end - first);
        QByteArray widened = now;
        for (int i = 0; i < before.size(); ++i)
            widened[offset - first + i] = before[i];
        widened.replace(m_offset - first, m_before.size(), m_before);
        m_offset = first;
        m_before = widened;
        m_after = now;
    }

    EditHistory* m_history;
    int m_offset;
    QByteArray m_before;
    QByteArray m_after;
    int m_action;
    const QWidget* m_field;
    int m_generation;
    bool m_pushed = false;
};

EditHistory::EditHistory(ImageModel* model, std::function<void()> reshow, QObject* parent)
    : QObject(parent), m_model(model), m_reshow(std::move(reshow)), m_stack(new QUndoStack(this))
{
    connect(model, &ImageModel::written, this, &EditHistory::record);
    connect(qApp, &QApplication::focusChanged, this, [this] { ++m_focusGeneration; });
    qApp->installEventFilter(this);
}

void EditHistory::reset()
{
    m_stack->clear();
    m_typedField = nullptr;
}

void EditHistory::record(int offset, const QByteArray& before, const QByteArray& after)
{
    if (m_restoring)
        return;
    closeActionLater();
    m_stack->push(new ImageWriteCommand(this, offset, before, after, m_action, m_typedField,
                                        m_focusGeneration));
}

// The action ends once control is back in the event loop; while a warning
// box of the edit is open, its fallback write is still to come.
void EditHistory::closeActionLater()
{
    if (m_actionOpen)
        return;
    m_actionOpen = true;
    QTimer::singleShot(0, this, [this] {
        m_actionOpen = false;
        if (QApplication::activeModalWidget()) {
            closeActionLater();
            return;
        }
        ++m_action;
        m_typedField = nullptr;
    });
}

void EditHistory::undo()
{
    m_stack->undo();
    reshow();
}

void EditHistory::redo()
{
    m_stack->redo();
    reshow();
}

void EditHistory::restore(int offset, const QByteArray& bytes)
{
    m_restoring = true;
    m_model->restore(offset, bytes);
    m_restoring = false;
}

// Showing the bytes again must not record anything, even if an editor
// writes while it loads.
void EditHistory::reshow()
{
    m_restoring = true;
    m_reshow();
    m_restoring = false;
    ++m_action;
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
