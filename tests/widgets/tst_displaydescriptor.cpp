// The descriptor slot: classification on load, type dispatch, Block 1 lock,
// revision rules, and the text descriptors.
#include "testsupport.h"
#include "widgets/descriptorfixture.h"

#include <QtTest>

class TestDisplayDescriptor : public QObject {
    Q_OBJECT
private slots:
    void loadsTypes_data();
    void loadsTypes();
    void unusedWritesDummy();
    void block1IsLocked();
    void choosingTypeRewritesSlotAtOnce_data();
    void choosingTypeRewritesSlotAtOnce();
    void editorKeepsValuesWhileHidden();
    void switchTo13DropsRevision4Types();
    void revision4ItemsAddedOnce();
    void unknownTagKeptAsLoaded_data();
    void unknownTagKeptAsLoaded();
    void loadedTypeMarker();
    void textOnLoad_data();
    void textOnLoad();
    void eachProductNameKeepsItsOwnText();
    void textFieldEncodesPayload_data();
    void textFieldEncodesPayload();
    void textFieldRefusesWideCharacters();
    void block1DisplayDescriptorRefreshesItsCells();
};

void TestDisplayDescriptor::loadsTypes_data()
{
    QTest::addColumn<int>("revision");
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("afterLoad"); // empty: unchanged
    QTest::newRow("unused") << 4 << kDummy << int(DESC_UNUSED) << QByteArray();
    QTest::newRow("timing with a tag in byte 3") << 4
        << hexBytes("01 00 00 FC 00 41 42 43 0A 20 20 20 20 20 20 20 20 20") << int(DESC_DETAILED_TIMING) << QByteArray();
    QTest::newRow("serial") << 4 << hexBytes("00 00 00 FF 00 31 32 33 0A 20 20 20 20 20 20 20 20 20")
                            << int(DESC_SERIAL_NUMBER) << QByteArray();
    QTest::newRow("range") << 4 << hexBytes("00 00 00 FD 00 38 4C 1E 53 11 00 0A 20 20 20 20 20 20")
                           << int(DESC_RANGE_LIMITS) << QByteArray();
    const QByteArray est = hexBytes("00 00 00 F7 00 0A 80").leftJustified(18, '\0');
    QTest::newRow("est III") << 4 << est << int(DESC_ESTABLISHED_TIMINGS_III) << QByteArray();
    QTest::newRow("est III in a 1.3 image is replaced") << 3 << est << int(DESC_UNUSED) << kDummy;
}

void TestDisplayDescriptor::loadsTypes()
{
    QFETCH(int, revision);
    QFETCH(QByteArray, slot);
    QFETCH(int, type);
    QFETCH(QByteArray, afterLoad);
    SlotFixture f;
    const QByteArray image = baseImage(revision, {kFullHdTiming, slot});
    QVERIFY(f.load(image));
    QCOMPARE(int(f.blocks[1]->currentType()), type);
    QCOMPARE(f.combo(1)->currentIndex(), type);
    QCOMPARE(f.combo(1)->count(), revision == 4 ? 11 : 8);
    QVERIFY(f.savedUnchanged(image));
    // Loading changes no byte but those of a descriptor the revision lacks.
    QByteArray expected = image;
    if (!afterLoad.isEmpty()) {
        expected.replace(72, 18, afterLoad);
        updateBaseChecksum(reinterpret_cast<Byte*>(expected.data()));
    }
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(f.newData), 256), expected);
}

void TestDisplayDescriptor::unusedWritesDummy()
{
    SlotFixture f;
    QVERIFY(f.load(baseImage(3, {kFullHdTiming, hexBytes("00 00 00 10 00 55 55")})));
    QCOMPARE(int(f.blocks[1]->currentType()), int(DESC_UNUSED));
    f.choose(1, DESC_UNUSED);
    QCOMPARE(f.slotBytes(1), kDummy);
    QVERIFY(f.checksumValid());
    QCOMPARE(HexaViewer::instance()->description(HexaViewer::DescriptorSection1),
             FieldDescriptionList({{"Monitor Data Type Tag", "Unused"}}));
}

void TestDisplayDescriptor::block1IsLocked()
{
    SlotFixture f;
    QVERIFY(f.load(baseImage(4, {kFullHdTiming})));
    QVERIFY(!f.combo(0)->isEnabled());
    for (int s = 1; s < 4; ++s)
        QVERIFY(f.combo(s)->isEnabled());
    // A new image: Block 1 locked to a detailed timing, written at once.
    for (int s = 0; s < 4; ++s)
        f.blocks[s]->resetFields(f.data, f.newData, s);
    f.blocks[0]->setLockedType(DESC_DETAILED_TIMING);
    QVERIFY(!f.combo(0)->isEnabled());
    QCOMPARE(f.combo(0)->currentIndex(), int(DESC_DETAILED_TIMING));
    QCOMPARE(f.slotBytes(0), hexBytes("01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"));
    QVERIFY(f.checksumValid());
}

void TestDisplayDescriptor::choosingTypeRewritesSlotAtOnce_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("serial") << int(DESC_SERIAL_NUMBER) << hexBytes("00 00 00 FF 00 0A 20 20 20 20 20 20 20 20 20 20 20 20");
    QTest::newRow("string") << int(DESC_DATA_STRING) << hexBytes("00 00 00 FE 00 0A 20 20 20 20 20 20 20 20 20 20 20 20");
    QTest::newRow("range") << int(DESC_RANGE_LIMITS) << hexBytes("00 00 00 FD 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    QTest::newRow("name") << int(DESC_PRODUCT_NAME) << hexBytes("00 00 00 FC 00 0A 20 20 20 20 20 20 20 20 20 20 20 20");
    QTest::newRow("color point") << int(DESC_COLOR_POINT) << hexBytes("00 00 00 FB 00 00 00 00 00 00 00 00 00 00 00 0A 20 20");
    QTest::newRow("standard timings") << int(DESC_STANDARD_TIMINGS) << hexBytes("00 00 00 FA 00 01 00 01 00 01 00 01 00 01 00 01 00 0A");
    QTest::newRow("dcm") << int(DESC_DCM) << hexBytes("00 00 00 F9 00 03 00 00 00 00 00 00 00 00 00 00 00 00");
    QTest::newRow("cvt") << int(DESC_CVT_TIMINGS) << hexBytes("00 00 00 F8 00 01 00 00 00 00 00 00 00 00 00 00 00 00");
    QTest::newRow("est III") << int(DESC_ESTABLISHED_TIMINGS_III) << hexBytes("00 00 00 F7 00 0A 00 00 00 00 00 00 00 00 00 00 00 00");
    QTest::newRow("timing") << int(DESC_DETAILED_TIMING) << hexBytes("01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
}

void TestDisplayDescriptor::choosingTypeRewritesSlotAtOnce()
{
    QFETCH(int, type);
    QFETCH(QByteArray, bytes);
    SlotFixture f;
    const QByteArray image = baseImage(4, {kFullHdTiming});
    QVERIFY(f.load(image));
    f.choose(1, type);
    QCOMPARE(f.slotBytes(1), bytes);
    QVERIFY(f.checksumValid());
    QVERIFY(f.savedUnchanged(image));
    QCOMPARE(hexCell(72 + 3), QString(bytes.mid(3, 1).toHex().toUpper()));
    QCOMPARE(hexCell(127), QString(QByteArray(1, char(f.newData[127])).toHex().toUpper()));
    // Choosing it again writes the same bytes.
    f.choose(1, type);
    QCOMPARE(f.slotBytes(1), bytes);
}

void TestDisplayDescriptor::editorKeepsValuesWhileHidden()
{
    BoxRecorder boxes;
    SlotFixture f;
    QVERIFY(f.load(baseImage(4, {kFullHdTiming})));
    f.choose(2, DESC_DCM);
    SlotFixture::type(f.field(2, "reda3Field"), "4660");
    f.choose(2, DESC_SERIAL_NUMBER);
    QCOMPARE(f.slotBytes(2).at(3), char(0xFF));
    f.choose(2, DESC_DCM);
    QCOMPARE(f.slotBytes(2).mid(5, 3), hexBytes("03 34 12"));
    QCOMPARE(boxes.count(), 0);
}

void TestDisplayDescriptor::switchTo13DropsRevision4Types()
{
    SlotFixture f;
    const QByteArray cvt = hexBytes("00 00 00 F8 00 01 1B 24 28");
    const QByteArray dcm = hexBytes("00 00 00 F9 00 03 34 12");
    QVERIFY(f.load(baseImage(4, {kFullHdTiming, dcm, cvt, kFullHdTiming})));
    QCOMPARE(f.combo(2)->count(), 11);
    QCOMPARE(int(f.blocks[2]->currentType()), int(DESC_CVT_TIMINGS));
    f.switchRevision(3);
    for (int s = 1; s <= 2; ++s) {
        QCOMPARE(int(f.blocks[s]->currentType()), int(DESC_UNUSED));
        QCOMPARE(f.slotBytes(s), kDummy);
        QCOMPARE(f.combo(s)->count(), 8);
        QCOMPARE(f.combo(s)->currentIndex(), 0);
    }
    QCOMPARE(f.slotBytes(3), kFullHdTiming);
    QCOMPARE(f.slotBytes(0), kFullHdTiming);
    QVERIFY(f.checksumValid());
    f.switchRevision(4);
    QCOMPARE(f.combo(2)->count(), 11);
    QCOMPARE(f.slotBytes(2), kDummy);
}

void TestDisplayDescriptor::revision4ItemsAddedOnce()
{
    SlotFixture f;
    QVERIFY(f.load(baseImage(4, {kFullHdTiming})));
    f.switchRevision(4);
    f.switchRevision(4);
    QCOMPARE(f.combo(1)->count(), 11);
    QCOMPARE(f.combo(0)->count(), 8); // Block 1 is never adapted
}

void TestDisplayDescriptor::unknownTagKeptAsLoaded_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<QString>("name");
    QTest::newRow("manufacturer 0x00")
        << hexBytes("00 00 00 00 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D") << "Manufacturer Specified (0x00)";
    QTest::newRow("reserved 0x11") << hexBytes("00 00 00 11 00 FF FF") << "Reserved (0x11)";
}

void TestDisplayDescriptor::unknownTagKeptAsLoaded()
{
    QFETCH(QByteArray, slot);
    QFETCH(QString, name);
    slot = slot.leftJustified(18, '\0');
    SlotFixture f;
    QVERIFY(f.load(baseImage(4, {kFullHdTiming, kDummy, kDummy, slot})));
    QCOMPARE(int(f.blocks[3]->currentType()), int(DESC_UNKNOWN));
    QCOMPARE(f.combo(3)->currentIndex(), -1);
    const FieldDescriptionList description = HexaViewer::instance()->description(HexaViewer::DescriptorSection3);
    QCOMPARE(description.value(0), FieldDescription("Monitor Data Type Tag", name));
    f.switchRevision(3);
    f.switchRevision(4);
    QCOMPARE(f.slotBytes(3), slot);
    QCOMPARE(int(f.blocks[3]->currentType()), int(DESC_UNKNOWN));
    // Until the user picks a type.
    f.choose(3, DESC_DATA_STRING);
    QCOMPARE(f.slotBytes(3).at(3), char(0xFE));
    QVERIFY(f.checksumValid());
}

void TestDisplayDescriptor::loadedTypeMarker()
{
    SlotFixture f;
    QVERIFY(f.load(baseImage(4, {kFullHdTiming, hexBytes("00 00 00 FF 00 41 0A")})));
    QCOMPARE(f.combo(1)->itemData(DESC_SERIAL_NUMBER, Qt::ForegroundRole).value<QColor>(), QColor(238, 134, 24));
    QVERIFY(f.load(baseImage(4, {kFullHdTiming})));
    QCOMPARE(f.combo(1)->itemData(DESC_SERIAL_NUMBER, Qt::ForegroundRole).value<QColor>(), QColor(255, 255, 255));
}

void TestDisplayDescriptor::textOnLoad_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<QByteArray>("afterLoad");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("typeName");
    const QByteArray name = hexBytes("00 00 00 FC 00 44 45 4C 4C 0A 00 00 00 00 00 00 00 00");
    QTest::newRow("product name rewritten") << name
        << hexBytes("00 00 00 FC 00 44 45 4C 4C 0A 20 20 20 20 20 20 20 20") << "prodNameField" << "DELL" << "Product Name";
    const QByteArray serial = hexBytes("00 00 00 FF 00 31 32 33 0A 00 00 00 00 00 00 00 00 00");
    QTest::newRow("serial number kept") << serial << serial << "serialNumberField" << "123" << "Serial Number";
}

void TestDisplayDescriptor::textOnLoad()
{
    QFETCH(QByteArray, slot);
    QFETCH(QByteArray, afterLoad);
    QFETCH(QString, fieldName);
    QFETCH(QString, text);
    QFETCH(QString, typeName);
    SlotFixture f;
    QVERIFY(f.load(baseImage(4, {kFullHdTiming, slot})));
    QCOMPARE(f.slotBytes(1), afterLoad);
    QCOMPARE(f.savedSlotBytes(1), slot);
    QVERIFY(f.checksumValid());
    QCOMPARE(f.field(1, fieldName.toLatin1())->text(), text);
    QCOMPARE(HexaViewer::instance()->description(HexaViewer::DescriptorSection1),
             FieldDescriptionList({{"Monitor Data Type Tag", typeName}, {"Monitor " + typeName, text}}));
}

void TestDisplayDescriptor::eachProductNameKeepsItsOwnText()
{
    SlotFixture f;
    const QByteArray first = hexBytes("00 00 00 FC 00 4D 4F 4E 49 54 4F 52 0A 20 20 20 20 20");
    const QByteArray second = hexBytes("00 00 01 FC 00 55 32 34 31 32 4D 0A 20 20 20 20 20 20");
    const QByteArray third = hexBytes("00 00 00 FC 02 58 59 5A 0A 20 20 20 20 20 20 20 20 20");
    QVERIFY(f.load(baseImage(4, {kFullHdTiming, first, second, third})));
    QCOMPARE(f.field(1, "prodNameField")->text(), QString("MONITOR"));
    QCOMPARE(f.field(2, "prodNameField")->text(), QString("U2412M"));
    QCOMPARE(f.field(3, "prodNameField")->text(), QString("XYZ"));
    QCOMPARE(f.slotBytes(1), first);
    QCOMPARE(f.slotBytes(2).mid(5), second.mid(5));
    QCOMPARE(f.slotBytes(3).mid(5), third.mid(5));
    QVERIFY(f.checksumValid());
}

void TestDisplayDescriptor::textFieldEncodesPayload_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("name ABC") << int(DESC_PRODUCT_NAME) << "prodNameField" << "ABC"
                              << hexBytes("41 42 43 0A 20 20 20 20 20 20 20 20 20");
    QTest::newRow("serial 12 characters") << int(DESC_SERIAL_NUMBER) << "serialNumberField" << "ABCDEFGHIJKL"
                                          << hexBytes("41 42 43 44 45 46 47 48 49 4A 4B 4C 0A");
    QTest::newRow("14 characters are cut") << int(DESC_DATA_STRING) << "dataStringField" << "ABCDEFGHIJKLMN"
                                           << hexBytes("41 42 43 44 45 46 47 48 49 4A 4B 4C 4D");
}

void TestDisplayDescriptor::textFieldEncodesPayload()
{
    QFETCH(int, type);
    QFETCH(QString, fieldName);
    QFETCH(QString, text);
    QFETCH(QByteArray, payload);
    SlotFixture f;
    QVERIFY(f.load(baseImage(4, {kFullHdTiming, hexBytes("00 00 00 FC 00 58 0A")})));
    f.choose(1, type);
    SlotFixture::type(f.field(1, fieldName.toLatin1()), text);
    QCOMPARE(f.slotBytes(1).mid(5), payload);
    QCOMPARE(f.slotBytes(1).at(3), char(0x101 - type));
    QVERIFY(f.checksumValid());
    QCOMPARE(HexaViewer::instance()->description(HexaViewer::DescriptorSection1).value(1).second, text.left(13));
}

void TestDisplayDescriptor::textFieldRefusesWideCharacters()
{
    SlotFixture f;
    QVERIFY(f.load(baseImage(4, {kFullHdTiming})));
    f.choose(1, DESC_PRODUCT_NAME);
    QLineEdit* edit = f.field(1, "prodNameField");
    // Typed one character at a time, as a keyboard would deliver them.
    for (const QChar c : QString::fromUtf8("A\xE2\x82\xAC\xC3\xA9")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
    QCOMPARE(edit->text(), QString::fromUtf8("A\xC3\xA9"));
    QTest::keyClick(edit, Qt::Key_Enter);
    QCOMPARE(f.slotBytes(1).mid(5, 3), hexBytes("41 E9 0A"));
}

void TestDisplayDescriptor::block1DisplayDescriptorRefreshesItsCells()
{
    SlotFixture f;
    QVERIFY(f.load(baseImage(4, {hexBytes("00 00 00 FF 00 31 0A 20 20 20 20 20 20 20 20 20 20 20")})));
    QCOMPARE(int(f.blocks[0]->currentType()), int(DESC_SERIAL_NUMBER));
    SlotFixture::type(f.field(0, "serialNumberField"), "Z");
    QCOMPARE(f.newData[59], Byte('Z'));
    QCOMPARE(hexCell(59), QString("5A"));
    QCOMPARE(hexCell(127), QString(QByteArray(1, char(f.newData[127])).toHex().toUpper()));
}

QTEST_MAIN(TestDisplayDescriptor)
#include "tst_displaydescriptor.moc"
