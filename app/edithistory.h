#ifndef EDITHISTORY_H
#define EDITHISTORY_H

#include <QObject>
#include <QPointer>
#include <functional>

class ImageModel;
class QUndoStack;
class QWidget;

// The undo history of the open document, recorded where the bytes change:
// every write of the image model becomes part of an undo step. The writes
// of one user action (one event handled, a warning box and its fallback
// included) make one step; consecutive edits typed into the same text field
// merge into one step too. Undo and redo put the bytes back through the
// model and then have the editors show them again.
class EditHistory : public QObject
{
    Q_OBJECT
public:
    // `reshow` makes the editors show the model's bytes after undo or redo.
    EditHistory(ImageModel* model, std::function<void()> reshow, QObject* parent = nullptr);

    QUndoStack* stack() const { return m_stack; }
    // Forgets every step: the current bytes start a new history.
    void reset();
    void undo();
    void redo();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class ImageWriteCommand;
    void record(int offset, const QByteArray& before, const QByteArray& after);
    void closeActionLater();
    void restore(int offset, const QByteArray& bytes);
    void reshow();

    ImageModel* m_model;
    std::function<void()> m_reshow;
    QUndoStack* m_stack;
    bool m_restoring = false;
    // The user action the next write belongs to; it ends when the event
    // loop is back with no box open.
    int m_action = 0;
    bool m_actionOpen = false;
    // The text field typed into since the focus last moved.
    QPointer<QWidget> m_typedField;
    int m_focusGeneration = 0;
};

#endif
