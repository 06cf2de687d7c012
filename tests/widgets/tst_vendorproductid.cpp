#include <QtTest>

#include "sectiontesthelpers.h"
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
    void typedValues_data();
    void typedValues();
    void lettersNeverEnterTheSerialField();
    void modelYearWritesAndRestoresTheWeek();
    void modelYearImageAtRevision3IsCheckedButDisabled();

private:
    QLineEdit* field(const char* name) { return editor->findChild<QLineEdit*>(name); }
    QCheckBox* modelYear() { return editor->findChild<QCheckBox*>("modelYearCB"); }
    void open(const QByteArray& bytes)
    {
        QVERIFY(images.load(bytes));
        editor->initFields(images.decoded.vendorProduct, images.saved, images.working);
        editor->adaptToEDIDVersion(images.decoded.revision == 3 ? 3 : 4);
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
    QCOMPARE(markedBytes(), images.changedBytes());
    delete boxes;
    delete editor;
}

void TestVendorProductID::loadingShowsTheFieldsAndWritesNothing()
{
    QCOMPARE(field("manufIDField")->text(), QString("VQZ"));
    QCOMPARE(field("productIDField")->text(), QString("1027"));
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
    QCOMPARE(hexOf(images.working, 8, 2), QByteArray("0443"));
    QCOMPARE(images.changedBytes(), QSet<int>({8, 9, 127}));
    QCOMPARE(describedValue(HexaViewer::VendorProductSection, "Manufacturer ID"), QString("ABC"));
    QCOMPARE(describedValue(HexaViewer::VendorProductSection, "Week of Manufacture"), QString("30"));
    QCOMPARE(boxes->count(), 0);
}

// A value typed into a field: bytes written, text shown, and the box and
// fallback value for a value out of range.
void TestVendorProductID::typedValues_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("first");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("message");
    const QString manufacturer = "Manufacturer ID must have 3 upper cased characters";
    const QString product = "Product ID must have 4 hexadecimal characters";
    const QString serial = "Serial Number must be in range of 0 to 4294967295";
    const QString week = "Week Number must be between 1 and 54";
    const QString year = "Year must be between 1990 and 2245";
    auto row = [](const char* rowName, const char* name, const char* typed, const char* shown, int first,
                  const char* written, const QString& message = QString()) {
        QTest::newRow(rowName) << name << typed << shown << first << QByteArray(written) << message;
    };
    row("manufacturer too short", "manufIDField", "AB", "AAA", 8, "0421", manufacturer);
    row("product 1a2b", "productIDField", "1a2b", "1A2B", 10, "2b1a");
    row("product FFFF", "productIDField", "FFFF", "FFFF", 10, "ffff");
    row("product too short", "productIDField", "12", "0000", 10, "0000", product);
    row("product empty", "productIDField", "", "0000", 10, "0000", product);
    row("serial empty becomes 0", "serialNumberField", "", "0", 12, "00000000");
    row("serial largest", "serialNumberField", "4294967295", "4294967295", 12, "ffffffff");
    row("serial 305419896", "serialNumberField", "305419896", "305419896", 12, "78563412");
    row("serial one above 32 bits", "serialNumberField", "4294967296", "0", 12, "00000000", serial);
    row("week 54", "weekField", "54", "54", 16, "36");
    row("week 1", "weekField", "1", "1", 16, "01");
    row("week 0", "weekField", "0", "1", 16, "01", week);
    row("week 55", "weekField", "55", "1", 16, "01", week);
    row("week empty", "weekField", "", "1", 16, "01", week);
    row("year 2245", "yearField", "2245", "2245", 17, "ff");
    row("year 1990", "yearField", "1990", "1990", 17, "00");
    row("year 1989", "yearField", "1989", "1990", 17, "00", year);
    row("year 2246", "yearField", "2246", "1990", 17, "00", year);
}

void TestVendorProductID::typedValues()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(int, first);
    QFETCH(QByteArray, written);
    QFETCH(QString, message);
    typeInto(field(qPrintable(name)), typed);
    QTEST(field(qPrintable(name))->text(), "shown");
    QCOMPARE(hexOf(images.working, first, written.size() / 2), written);
    checkBox(*boxes, "Format Error", message);
}

void TestVendorProductID::lettersNeverEnterTheSerialField()
{
    QLineEdit* serial = field("serialNumberField");
    serial->selectAll();
    QTest::keyClick(serial, Qt::Key_Backspace);
    QTest::keyClicks(serial, "12a3");
    QCOMPARE(serial->text(), QString("123"));
}

void TestVendorProductID::modelYearWritesAndRestoresTheWeek()
{
    click(modelYear());
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
    open(patched(analog13(), {{16, 0xFF}}));
    QVERIFY(modelYear()->isChecked());
    QVERIFY(!modelYear()->isEnabled());
    QVERIFY(!field("weekField")->isEnabled());
    QVERIFY(images.unchanged());
    // An edit of another field keeps the model year.
    typeInto(field("yearField"), "2010");
    QCOMPARE(hexOf(images.working, 16, 2), QByteArray("ff14"));

    // The next image replaces every field.
    open(digital14());
    QVERIFY(!modelYear()->isChecked());
    QVERIFY(field("weekField")->isEnabled());
    QCOMPARE(field("weekField")->text(), QString("30"));
    QCOMPARE(field("yearField")->text(), QString("2019"));
    QCOMPARE(field("manufIDField")->text(), QString("VQZ"));
    QVERIFY(images.unchanged());
}

QTEST_MAIN(TestVendorProductID)
#include "tst_vendorproductid.moc"
