#ifndef VALIDATORS_H
#define VALIDATORS_H

#include <QRegExp>
#include <QValidator>

// Character filter built from a negated character class such as "[^0-9]":
// input in which the pattern matches anywhere is refused, so a forbidden
// character never enters the field. Ranges are checked elsewhere.
class Validator : public QValidator
{
    Q_OBJECT
public:
    explicit Validator(const QString& pattern, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

protected:
    QRegExp m_pattern;
};

// As Validator, after turning the input into upper case, so typed
// lower-case letters appear as capitals.
class UpperCaseValidator : public Validator
{
    Q_OBJECT
public:
    explicit UpperCaseValidator(const QString& pattern, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;
};

#endif
