#ifndef RANGECHECKS_H
#define RANGECHECKS_H

#include <QString>

class QLineEdit;
class QWidget;

// The range checks shared by the section editors. Each one accepts the value
// or shows a warning box, puts the fallback back into the field (with the
// field's signals blocked, so no second editingFinished follows) and returns
// the value that the caller must store and write.
namespace RangeCheck {

// Integer field with a generated message: "<name> must be in range of <min>
// to <max>" in a "Format Error" box; falls back to min. Empty or unreadable
// text counts as out of range.
int integerRange(QLineEdit* field, const QString& fieldName, int min, int max, QWidget* parent);

// Checked value with a fixed message in a "Format Error" box. The fallback
// is also the minimum.
qint64 checkedValue(QLineEdit* field, qint64 value, qint64 fallback, qint64 limit,
                    const QString& message, QWidget* parent);
// Text variant: accepted when it has at least minLength characters.
QString checkedText(QLineEdit* field, const QString& text, const QString& fallback,
                    int minLength, const QString& message, QWidget* parent);

// Checked number with a fixed message in a "Format error" box; empty text is
// refused; the minimum is the fallback (a floating one written with two
// decimals).
int checkedInt(QLineEdit* field, int value, int min, int max, const QString& message,
               QWidget* parent);
double checkedDouble(QLineEdit* field, double value, double min, double max,
                     const QString& message, QWidget* parent);

} // namespace RangeCheck

#endif
