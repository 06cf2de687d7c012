// Character filters, and range checks that put back a fallback quietly.

#include "rangechecks.h"
#include "testsupport.h"
#include "validators.h"

#include <QLineEdit>
#include <QtTest>

class TestValidators : public QObject
{
    Q_OBJECT

private slots:
    void filters_data();
    void filters();
    void typedCharactersAreFiltered();
    void fallbackDoesNotFireEditingFinished();
};

void TestValidators::filters_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("shown");

    QTest::newRow("digits") << "[^0-9]" << false << "1234" << true << "1234";
    QTest::newRow("paste with letter") << "[^0-9]" << false << "12a" << false << "12a";
    QTest::newRow("decimal comma") << "[^0-9.]" << false << "2,2" << false << "2,2";
    QTest::newRow("hex lower case") << "[^0-9A-F]" << true << "1a2f" << true << "1A2F";
    QTest::newRow("hex G") << "[^0-9A-F]" << true << "1g" << false << "1G";
    QTest::newRow("letters digit") << "[^A-Z]" << true << "ab1" << false << "AB1";
}

void TestValidators::filters()
{
    QFETCH(QString, pattern);
    QFETCH(bool, upper);
    QFETCH(QString, input);
    QFETCH(bool, accepted);
    QFETCH(QString, shown);
    QScopedPointer<Validator> validator(upper ? new UpperCaseValidator(pattern)
                                              : new Validator(pattern));
    int pos = 0;
    QCOMPARE(validator->validate(input, pos) == QValidator::Acceptable, accepted);
    QCOMPARE(input, shown);
}

void TestValidators::typedCharactersAreFiltered()
{
    QLineEdit digits;
    digits.setValidator(new Validator("[^0-9]", &digits));
    QTest::keyClicks(&digits, "1x2");
    QCOMPARE(digits.text(), QString("12"));

    QLineEdit letters;
    letters.setMaxLength(3);
    letters.setValidator(new UpperCaseValidator("[^A-Z]", &letters));
    QTest::keyClicks(&letters, "abcd");
    QCOMPARE(letters.text(), QString("ABC"));
}





void TestValidators::fallbackDoesNotFireEditingFinished()
{
    BoxRecorder boxes;
    QLineEdit field("99");
    QSignalSpy changed(&field, &QLineEdit::textChanged);
    RangeCheck::integerRange(&field, "Field", 0, 10, nullptr);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(field.signalsBlocked(), false);
    QCOMPARE(field.text(), QString("0"));
    QCOMPARE(boxes.lastText(), QString("Field must be in range of 0 to 10"));
}

QTEST_MAIN(TestValidators)
#include "tst_validators.moc"
