#include "edithistory.h"

#include "imagemodel.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMap>
#include <QVector>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>

namespace {

bool isTextEntry(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget);
}

struct Patch {
    int offset;
    QByteArray before;
    QByteArray after;
};

} // namespace

// One undo step: the writes of one user action, or of several edits typed
// into one field, in the order they were made.
class ImageWriteCommand : public QUndoCommand
{
public:
    ImageWriteCommand(EditHistory* history, Patch patch, int action, const QWidget* field,
                      int generation)
        : m_history(history), m_patches{std::move(patch)}, m_action(action), m_field(field),
          m_generation(generation)
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
        m_patches += next->m_patches;
        m_action = next->m_action;
        setObsolete(changesNothing());
        return true;
    }

    void undo() override
    {
        for (auto patch = m_patches.crbegin(); patch != m_patches.crend(); ++patch)
            m_history->restore(patch->offset, patch->before);
    }

    void redo() override
    {
        // The first redo is the push: the bytes are already written.
        if (m_pushed) {
            for (const Patch& patch : qAsConst(m_patches))
                m_history->restore(patch.offset, patch.after);
        }
        m_pushed = true;
    }

private:
    // Typing a value and then its old value back leaves no step.
    bool changesNothing() const
    {
        QMap<int, char> before, after;
        for (const Patch& patch : m_patches) {
            for (int i = 0; i < patch.before.size(); ++i) {
                if (!before.contains(patch.offset + i))
                    before.insert(patch.offset + i, patch.before[i]);
                after.insert(patch.offset + i, patch.after[i]);
            }
        }
        return before == after;
    }

    EditHistory* m_history;
    QVector<Patch> m_patches;
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
    m_stack->push(new ImageWriteCommand(this, {offset, before, after}, m_action, m_typedField,
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
