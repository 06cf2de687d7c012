#include "validators.h"

Validator::Validator(const QString& pattern, QObject* parent)
    : QValidator(parent), m_pattern(pattern)
{
}

QValidator::State Validator::validate(QString& input, int&) const
{
    return m_pattern.indexIn(input) < 0 ? Acceptable : Invalid;
}

UpperCaseValidator::UpperCaseValidator(const QString& pattern, QObject* parent)
    : Validator(pattern, parent)
{
}

QValidator::State UpperCaseValidator::validate(QString& input, int& pos) const
{
    input = input.toUpper();
    return Validator::validate(input, pos);
}
