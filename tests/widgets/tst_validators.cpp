// A range check puts back its fallback quietly: no signal of the field fires, and
// its signals work again afterwards. Filters and fallbacks are checked per editor.

#include "rangechecks.h"
#include "testsupport.h"

#include <QLineEdit>
#include <QtTest>

class TestValidators : public QObject
{
    Q_OBJECT

private slots:
    void fallbackFiresNoSignal();
};

void TestValidators::fallbackFiresNoSignal()
{
    BoxRecorder boxes;
    QLineEdit field("99");
    QSignalSpy changed(&field, &QLineEdit::textChanged);
    QCOMPARE(RangeCheck::integerRange(&field, "Field", 0, 10, nullptr), 0);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(field.signalsBlocked(), false);
    QCOMPARE(field.text(), QString("0"));
    QCOMPARE(boxes.lastText(), QString("Field must be in range of 0 to 10"));
}

QTEST_MAIN(TestValidators)
#include "tst_validators.moc"
