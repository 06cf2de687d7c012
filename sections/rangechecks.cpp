#include "rangechecks.h"

#include "dialogs.h"

#include <QLineEdit>

namespace {

void restoreField(QLineEdit* field, const QString& title, const QString& message,
                  const QString& fallbackText, QWidget* parent)
{
    const bool wasBlocked = field->blockSignals(true);
    Dialogs::warning(parent, title, message);
    field->setText(fallbackText);
    field->blockSignals(wasBlocked);
}

const char* const kFormatErrorTitle = "Format Error";
const char* const kLowerFormatErrorTitle = "Format error";

} // namespace

namespace RangeCheck {

int integerRange(QLineEdit* field, const QString& fieldName, int min, int max, QWidget* parent)
{
    const QString text = field->text();
    const int value = text.toInt();
    if (!text.isEmpty() && value >= min && value <= max)
        return value;
    const QString message = QStringLiteral("%1 must be in range of %2 to %3")
                                .arg(fieldName).arg(min).arg(max);
    restoreField(field, kFormatErrorTitle, message, QString::number(min), parent);
    return min;
}

qint64 checkedValue(QLineEdit* field, qint64 value, qint64 fallback, qint64 limit,
                    const QString& message, QWidget* parent)
{
    if (value >= fallback && value <= limit)
        return value;
    restoreField(field, kFormatErrorTitle, message, QString::number(fallback), parent);
    return fallback;
}

QString checkedText(QLineEdit* field, const QString& text, const QString& fallback,
                    int minLength, const QString& message, QWidget* parent)
{
    if (text.length() >= minLength)
        return text;
    restoreField(field, kFormatErrorTitle, message, fallback, parent);
    return fallback;
}

int checkedInt(QLineEdit* field, int value, int min, int max, const QString& message,
               QWidget* parent)
{
    if (!field->text().isEmpty() && value >= min && value <= max)
        return value;
    restoreField(field, kLowerFormatErrorTitle, message, QString::number(min), parent);
    return min;
}

double checkedDouble(QLineEdit* field, double value, double min, double max,
                     const QString& message, QWidget* parent)
{
    if (!field->text().isEmpty() && value >= min && max >= value)
        return value;
    restoreField(field, kLowerFormatErrorTitle, message, QString::number(min, 'f', 2), parent);
    return min;
}

} // namespace RangeCheck
