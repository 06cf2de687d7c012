// Character filters and the three shared range-check forms.

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
    void integerRange_data();
    void integerRange();
    void checkedValue();
    void checkedText();
    void checkedNumber_data();
    void checkedNumber();
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
    QTest::newRow("empty passes") << "[^0-9]" << false << "" << true << "";
    QTest::newRow("decimal") << "[^0-9.]" << false << "2.20" << true << "2.20";
    QTest::newRow("decimal comma") << "[^0-9.]" << false << "2,2" << false << "2,2";
    QTest::newRow("hex lower case") << "[^0-9A-F]" << true << "1a2f" << true << "1A2F";
    QTest::newRow("hex G") << "[^0-9A-F]" << true << "1g" << false << "1G";
    QTest::newRow("letters") << "[^A-Z]" << true << "abc" << true << "ABC";
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

void TestValidators::integerRange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("warned");
    QTest::newRow("minimum") << "0" << 0 << false;
    QTest::newRow("maximum") << "63" << 63 << false;
    QTest::newRow("above") << "64" << 0 << true;
    QTest::newRow("empty") << "" << 0 << true;
}

void TestValidators::integerRange()
{
    QFETCH(QString, text);
    QFETCH(int, result);
    QFETCH(bool, warned);
    BoxRecorder boxes;
    QLineEdit field(text);
    QCOMPARE(RangeCheck::integerRange(&field, "Vertical Sync Pulse", 0, 63, nullptr), result);
    QCOMPARE(boxes.count(), warned ? 1 : 0);
    if (warned) {
        QCOMPARE(boxes.lastTitle(), QString("Format Error"));
        QCOMPARE(boxes.lastText(), QString("Vertical Sync Pulse must be in range of 0 to 63"));
        QCOMPARE(field.text(), QString("0"));
    }
}

void TestValidators::checkedValue()
{
    BoxRecorder boxes;
    QLineEdit field("54");
    QCOMPARE(RangeCheck::checkedValue(&field, 54, 1, 54, "Week must be 1 to 54", nullptr), qint64(54));
    QCOMPARE(RangeCheck::checkedValue(&field, 1, 1, 54, "Week must be 1 to 54", nullptr), qint64(1));
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(RangeCheck::checkedValue(&field, 55, 1, 54, "Week must be 1 to 54", nullptr), qint64(1));
    QCOMPARE(boxes.lastTitle(), QString("Format Error"));
    QCOMPARE(boxes.lastText(), QString("Week must be 1 to 54"));
    QCOMPARE(field.text(), QString("1"));
}

void TestValidators::checkedText()
{
    BoxRecorder boxes;
    QLineEdit field("AB");
    QCOMPARE(RangeCheck::checkedText(&field, "ABC", "AAA", 3, "Three letters", nullptr), QString("ABC"));
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(RangeCheck::checkedText(&field, "AB", "AAA", 3, "Three letters", nullptr), QString("AAA"));
    QCOMPARE(boxes.lastText(), QString("Three letters"));
    QCOMPARE(field.text(), QString("AAA"));
}

void TestValidators::checkedNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("result");
    QTest::addColumn<QString>("shown");
    QTest::newRow("minimum") << "1.00" << 1.0 << 1.0 << "1.00";
    QTest::newRow("maximum") << "3.54" << 3.54 << 3.54 << "3.54";
    QTest::newRow("below") << "0.5" << 0.5 << 1.0 << "1.00";
    QTest::newRow("empty") << "" << 0.0 << 1.0 << "1.00";
}

void TestValidators::checkedNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(double, result);
    QFETCH(QString, shown);
    BoxRecorder boxes;
    QLineEdit field(text);
    QCOMPARE(RangeCheck::checkedDouble(&field, value, 1.0, 3.54, "Gamma range", nullptr), result);
    QCOMPARE(field.text(), shown);
    if (result != value || text.isEmpty())
        QCOMPARE(boxes.lastTitle(), QString("Format error"));
    else
        QCOMPARE(boxes.count(), 0);

    QLineEdit integer(text.isEmpty() ? QString() : "200");
    const int expected = text.isEmpty() ? 10 : 200;
    QCOMPARE(RangeCheck::checkedInt(&integer, 200, 10, 255, "Size", nullptr), expected);
}

void TestValidators::fallbackDoesNotFireEditingFinished()
{
    BoxRecorder boxes;
    QLineEdit field("99");
    QSignalSpy changed(&field, &QLineEdit::textChanged);
    RangeCheck::integerRange(&field, "Field", 0, 10, nullptr);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(field.signalsBlocked(), false);
}

QTEST_MAIN(TestValidators)
#include "tst_validators.moc"
