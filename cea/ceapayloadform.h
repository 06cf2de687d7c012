#ifndef CEAPAYLOADFORM_H
#define CEAPAYLOADFORM_H

#include "ceapayloadfields.h"

#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QWidget>

class QValidator;

// Sets the text of a field without a signal and remembers it, so that
// fieldEdited() tells whether the user changed it since. A field whose text
// is unchanged is not read again when the focus passes through it: it may
// show a rounded value, or a loaded one that its range check would refuse.
void setFieldText(QLineEdit* field, const QString& text);
bool fieldEdited(const QLineEdit* field);

// A decoded form of one kind of data block (HDMI, HDMI Forum, FreeSync,
// HDR static metadata, ...), shown inside the editor that holds the block's
// bytes. It is a view of a payload, the bytes after the header byte (a
// vendor block's OUI first, an extended-tag block's extended tag first):
// setPayload() shows them, and an edit hands the new payload on through
// payloadEdited(); the holder keeps the bytes and gives them back with
// setPayload(). A form never changes bytes the user did not edit: its
// codec starts every encode from the payload it was given.
class CEAPayloadForm : public QWidget
{
    Q_OBJECT
public:
    explicit CEAPayloadForm(QWidget* parent = nullptr);

    // Shows `payload`; emits nothing.
    virtual void setPayload(const QByteArray& payload) = 0;
    // False for forms that only show what they decode.
    virtual bool editable() const { return true; }

signals:
    void payloadEdited(const QByteArray& payload);

protected:
    // Sets the controls from the decoded record.
    virtual void updateUI() = 0;

    // The end of every edit of a record field: the record encoded from the
    // bytes it was decoded from (so only the edited field changes), handed
    // on, and decoded again from the bytes handed on, or from the bytes it
    // had when they were refused; then the controls follow.
    template <typename R>
    void applyRecord(R& record, QByteArray (*encode)(const R&), R (*decode)(const QByteArray&))
    {
        const QByteArray bytes = encode(record);
        const bool taken = bytes != record.payload && commit(bytes);
        record = decode(taken ? bytes : record.payload);
        updateUI();
    }

    // A check box or checkable group box that sets one flag of `record`,
    // then `apply` ends the edit.
    template <typename Control, typename R, typename Apply>
    void bindFlag(Control* control, R* record, bool R::*member, Apply apply)
    {
        connect(control, &Control::clicked, this, [=](bool on) {
            record->*member = on;
            apply();
        });
    }
    // The same for a table of flags, and the controls set from the record.
    template <typename R> struct Flag {
        QWidget* control;  // a QCheckBox or a checkable QGroupBox
        bool R::*member;
    };
    template <typename R, typename Apply> void bindFlags(const QList<Flag<R>>& flags, R* record, Apply apply)
    {
        for (const Flag<R>& flag : flags) {
            if (auto* box = qobject_cast<QCheckBox*>(flag.control))
                bindFlag(box, record, flag.member, apply);
            else if (auto* group = qobject_cast<QGroupBox*>(flag.control))
                bindFlag(group, record, flag.member, apply);
        }
    }
    template <typename R> static void showFlags(const QList<Flag<R>>& flags, const R& record)
    {
        for (const Flag<R>& flag : flags)
            setQuietly(flag.control, record.*flag.member);
    }
    // A combo box whose item index is one value of `record`.
    template <typename R, typename Apply>
    void bindChoice(QComboBox* combo, R* record, int R::*member, Apply apply)
    {
        connect(combo, QOverload<int>::of(&QComboBox::activated), this, [=](int index) {
            record->*member = index;
            apply();
        });
    }
    // A decimal field holding one value of `record`, checked against
    // `range`; out of range it falls back to `fallback`. Like every field of
    // the forms, it is read only when the user changed its text (see
    // fieldEdited()).
    template <typename R, typename Apply>
    void bindNumber(QLineEdit* field, R* record, int R::*member, const FieldRange& range, int fallback,
                    Apply apply)
    {
        field->setValidator(integerFilter());
        connect(field, &QLineEdit::editingFinished, this, [=] {
            if (!fieldEdited(field))
                return;
            record->*member = checkedNumber(field, range, fallback);
            apply();
        });
    }

    // Hands on the bytes of an edit. Bytes that no longer fit a data block
    // are refused with a warning box; the caller then shows the block as it
    // was. Returns whether the bytes were handed on.
    bool commit(const QByteArray& bytes);

    // The decimal number in `field` when `range` allows it. Otherwise a
    // warning box gives the range's message and `fallback` is put back into
    // the field (signals blocked) and returned. Empty text is out of range.
    int checkedNumber(QLineEdit* field, const FieldRange& range, int fallback);
    // The same for a field of up to two hexadecimal digits, 00 as fallback.
    int checkedHexByte(QLineEdit* field, const QString& name);
    // Shows a "Range error" box with `message`.
    void warn(const QString& message);
    // Warns with `message` and puts `fallbackText` into `field`.
    void refuse(QLineEdit* field, const QString& message, const QString& fallbackText);

    // The filters of the fields: decimal integers, decimal numbers with a
    // point, upper-case hexadecimal digits. Made once per form.
    QValidator* integerFilter();
    QValidator* decimalFilter();
    QValidator* hexFilter();

    // Control setters that emit nothing, for updateUI(); the first sets a
    // check box or a checkable group box.
    static void setQuietly(QWidget* box, bool checked);
    static void setQuietly(QComboBox* combo, int index);
    static void setQuietly(QLineEdit* field, const QString& text);

private:
    QValidator* m_integer = nullptr;
    QValidator* m_decimal = nullptr;
    QValidator* m_hex = nullptr;
};

// Two upper-case hexadecimal digits.
QString hexByteText(int value);


// The decoded fields of a data block of tag code `tag` whose payload is
// one of the blocks with a codec of their own, and what the codec finds
// wrong with it; a node without a name for any other block.
DecodedNode describePayload(int tag, const QByteArray& payload, Findings* findings = nullptr);
// The findings as lines for a person.
QString findingsText(const Findings& findings);

#endif
