#ifndef EDITHISTORY_H
#define EDITHISTORY_H

#include "edidtypes.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <functional>

class QUndoStack;
class QWidget;

// The undo history of the open document. Every accepted edit becomes one
// command that holds the working image (and the blocks kept past byte 255)
// before and after it. Edits are noticed after the fact: whenever an editor
// shows new bytes, the history compares the image with the last state it
// knows once the edit is complete (back in the event loop, no box open).
// Consecutive edits typed into the same text field merge into one command.
class EditHistory : public QObject
{
    Q_OBJECT
public:
    struct State {
        QByteArray image;
        QByteArray extra;
    };
    // Puts a state back into the images and the editors.
    using Restorer = std::function<void(const State&)>;

    EditHistory(const Byte* working, const QByteArray* extra, Restorer restorer,
                QObject* parent = nullptr);

    QUndoStack* stack() const { return m_stack; }
    // The current bytes become the start of a new history.
    void reset();
    // Records the edit made since the last known state, if any.
    void capture();
    void undo();
    void redo();

    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    void scheduleCapture();

private:
    friend class ImageEditCommand;
    State current() const;
    void restore(const State& state);
    void onFocusChanged(QWidget* old, QWidget* now);

    const Byte* m_working;
    const QByteArray* m_extra;
    Restorer m_restorer;
    QUndoStack* m_stack;
    State m_last;
    bool m_scheduled = false;
    bool m_restoring = false;
    // The text field typed into since the last capture; edits typed into
    // one field between two focus changes merge.
    QPointer<QWidget> m_typedField;
    int m_focusGeneration = 0;
};

#endif
