#include <QtTest>

#include "sectiontesthelpers.h"
#include "testsupport.h"
#include "vendorproductid.h"

#include <QCheckBox>

using namespace SectionTest;

class TestVendorProductID : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadingShowsTheFieldsAndWritesNothing();
    void manufacturerIsTypedInCapitals();
    void shortManufacturerFallsBack();
    void productCode_data();
    void productCode();
    void serialNumber_data();
    void serialNumber();
    void lettersNeverEnterTheSerialField();
    void week_data();
    void week();
    void year_data();
    void year();
    void modelYearWritesAndRestoresTheWeek();
    void modelYearImageAtRevision3IsCheckedButDisabled();
    void nextImageReplacesEveryField();

private:
    QLineEdit* field(const char* name) { return editor->findChild<QLineEdit*>(name); }
    QCheckBox* modelYear() { return editor->findChild<QCheckBox*>("modelYearCB"); }
    void open(const QByteArray& bytes)
    {
        QVERIFY(images.load(bytes));
        editor->initFields(images.decoded.vendorProduct, images.saved, images.working);
        editor->adaptToEDIDVersion(images.decoded.revision == 3 ? 3 : 4);
    }
    QByteArray bytes(int first, int count)
    {
        return QByteArray(reinterpret_cast<const char*>(images.working + first), count).toHex();
    }

    VendorProductID* editor = nullptr;
    BoxRecorder* boxes = nullptr;
    Images images;
};

void TestVendorProductID::init()
{
    editor = new VendorProductID;
    editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor));
    boxes = new BoxRecorder;
    open(digital14());
}

void TestVendorProductID::cleanup()
{
    QVERIFY(images.checksumValid());
    delete boxes;
    delete editor;
}

void TestVendorProductID::loadingShowsTheFieldsAndWritesNothing()
{
    QCOMPARE(field("manufIDField")->text(), QString("DEL"));
    QCOMPARE(field("productIDField")->text(), QString("410B"));
    QCOMPARE(field("serialNumberField")->text(), QString("842150988"));
    QCOMPARE(field("weekField")->text(), QString("30"));
    QCOMPARE(field("yearField")->text(), QString("2019"));
    QVERIFY(!modelYear()->isChecked());
    QVERIFY(modelYear()->isEnabled());
    QVERIFY(images.unchanged());
    QCOMPARE(boxes->count(), 0);
}

void TestVendorProductID::manufacturerIsTypedInCapitals()
{
    typeInto(field("manufIDField"), "abc");
    QCOMPARE(field("manufIDField")->text(), QString("ABC"));
    QCOMPARE(bytes(8, 2), QByteArray("0443"));
    QCOMPARE(images.changedBytes(), QSet<int>({8, 9, 127}));
    QCOMPARE(markedBytes(), QSet<int>({8, 9, 127}));
    QCOMPARE(describedValue(HexaViewer::VendorProductSection, "Manufacturer ID"), QString("ABC"));
    QCOMPARE(describedValue(HexaViewer::VendorProductSection, "Week of Manufacture"), QString("30"));
    QCOMPARE(boxes->count(), 0);
}

void TestVendorProductID::shortManufacturerFallsBack()
{
    typeInto(field("manufIDField"), "AB");
    QCOMPARE(boxes->count(), 1);
    QCOMPARE(boxes->lastTitle(), QString("Format Error"));
    QCOMPARE(boxes->lastText(), QString("Manufacturer ID must have 3 upper cased characters"));
    QCOMPARE(field("manufIDField")->text(), QString("AAA"));
    QCOMPARE(bytes(8, 2), QByteArray("0421"));
}

void TestVendorProductID::productCode_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("boxCount");
    QTest::newRow("1a2b") << "1a2b" << "1A2B" << QByteArray("2b1a") << 0;
    QTest::newRow("FFFF") << "FFFF" << "FFFF" << QByteArray("ffff") << 0;
    QTest::newRow("too short") << "12" << "0000" << QByteArray("0000") << 1;
    QTest::newRow("empty") << "" << "0000" << QByteArray("0000") << 1;
}

void TestVendorProductID::productCode()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QByteArray, expected);
    QFETCH(int, boxCount);
    typeInto(field("productIDField"), typed);
    QCOMPARE(field("productIDField")->text(), shown);
    QCOMPARE(bytes(10, 2), expected);
    QCOMPARE(boxes->count(), boxCount);
    if (boxCount)
        QCOMPARE(boxes->lastText(), QString("Product ID must have 4 hexadecimal characters"));
}

void TestVendorProductID::serialNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("boxCount");
    QTest::newRow("empty becomes 0") << "" << "0" << QByteArray("00000000") << 0;
    QTest::newRow("largest") << "4294967295" << "4294967295" << QByteArray("ffffffff") << 1 - 1;
    QTest::newRow("305419896") << "305419896" << "305419896" << QByteArray("78563412") << 0;
    QTest::newRow("one above 32 bits") << "4294967296" << "0" << QByteArray("00000000") << 1;
    QTest::newRow("ten nines") << "9999999999" << "0" << QByteArray("00000000") << 1;
}

void TestVendorProductID::serialNumber()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QByteArray, expected);
    QFETCH(int, boxCount);
    typeInto(field("serialNumberField"), typed);
    QCOMPARE(field("serialNumberField")->text(), shown);
    QCOMPARE(bytes(12, 4), expected);
    QCOMPARE(boxes->count(), boxCount);
    if (boxCount) {
        QCOMPARE(boxes->lastTitle(), QString("Format Error"));
        QCOMPARE(boxes->lastText(), QString("Serial Number must be in range of 0 to 4294967295"));
    }
}

void TestVendorProductID::lettersNeverEnterTheSerialField()
{
    QLineEdit* serial = field("serialNumberField");
    serial->selectAll();
    QTest::keyClick(serial, Qt::Key_Backspace);
    QTest::keyClicks(serial, "12a3");
    QCOMPARE(serial->text(), QString("123"));
}

void TestVendorProductID::week_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("byte");
    QTest::addColumn<bool>("warned");
    QTest::newRow("54") << "54" << 54 << false;
    QTest::newRow("1") << "1" << 1 << false;
    QTest::newRow("0") << "0" << 1 << true;
    QTest::newRow("55") << "55" << 1 << true;
    QTest::newRow("empty") << "" << 1 << true;
}

void TestVendorProductID::week()
{
    QFETCH(QString, typed);
    QFETCH(int, byte);
    QFETCH(bool, warned);
    typeInto(field("weekField"), typed);
    QCOMPARE(int(images.working[16]), byte);
    QCOMPARE(boxes->count(), warned ? 1 : 0);
    if (warned) {
        QCOMPARE(boxes->lastText(), QString("Week Number must be between 1 and 54"));
        QCOMPARE(field("weekField")->text(), QString("1"));
    }
}

void TestVendorProductID::year_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("byte");
    QTest::addColumn<bool>("warned");
    QTest::newRow("2245") << "2245" << 255 << false;
    QTest::newRow("1990") << "1990" << 0 << false;
    QTest::newRow("2024") << "2024" << 34 << false;
    QTest::newRow("1989") << "1989" << 0 << true;
    QTest::newRow("2246") << "2246" << 0 << true;
}

void TestVendorProductID::year()
{
    QFETCH(QString, typed);
    QFETCH(int, byte);
    QFETCH(bool, warned);
    typeInto(field("yearField"), typed);
    QCOMPARE(int(images.working[17]), byte);
    QCOMPARE(boxes->count(), warned ? 1 : 0);
    if (warned) {
        QCOMPARE(boxes->lastTitle(), QString("Format Error"));
        QCOMPARE(boxes->lastText(), QString("Year must be between 1990 and 2245"));
        QCOMPARE(field("yearField")->text(), QString("1990"));
    }
}

void TestVendorProductID::modelYearWritesAndRestoresTheWeek()
{
    click(modelYear());
    QVERIFY(modelYear()->isChecked());
    QCOMPARE(int(images.working[16]), 0xFF);
    QVERIFY(!field("weekField")->isEnabled());
    QCOMPARE(describedValue(HexaViewer::VendorProductSection, "Model Year"), QString("YES"));
    click(modelYear());
    QCOMPARE(int(images.working[16]), 1);
    QVERIFY(field("weekField")->isEnabled());
    QCOMPARE(describedValue(HexaViewer::VendorProductSection, "Week of Manufacture"), QString("1"));
}

void TestVendorProductID::modelYearImageAtRevision3IsCheckedButDisabled()
{
    QByteArray bytes = analog13();
    bytes[16] = char(0xFF);
    updateBlockChecksum(reinterpret_cast<Byte*>(bytes.data()));
    open(bytes);
    QVERIFY(modelYear()->isChecked());
    QVERIFY(!modelYear()->isEnabled());
    QVERIFY(!field("weekField")->isEnabled());
    QVERIFY(images.unchanged());
    // An edit of another field keeps the model year.
    typeInto(field("yearField"), "2010");
    QCOMPARE(int(images.working[16]), 0xFF);
    QCOMPARE(int(images.working[17]), 20);
}

void TestVendorProductID::nextImageReplacesEveryField()
{
    QByteArray bytes = analog13();
    bytes[16] = char(0xFF);
    updateBlockChecksum(reinterpret_cast<Byte*>(bytes.data()));
    open(bytes);
    open(digital14());
    QVERIFY(!modelYear()->isChecked());
    QVERIFY(field("weekField")->isEnabled());
    QCOMPARE(field("weekField")->text(), QString("30"));
    QCOMPARE(field("manufIDField")->text(), QString("DEL"));
    QVERIFY(images.unchanged());
}

QTEST_MAIN(TestVendorProductID)
#include "tst_vendorproductid.moc"
