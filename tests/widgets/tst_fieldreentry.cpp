// Finishing an edit without changing a field's text writes nothing: the
// loaded bits stay, including those a shown value cannot express (the low
// bits of a chromaticity, a portrait aspect ratio byte, reserved bit 15 of
// the manufacturer ID, week 0). Checked on chosen images and on every base
// block of the reference corpus.
#include "edid.h"
#include "sectiontesthelpers.h"

#include <QLineEdit>

using namespace SectionTest;

class TestFieldReentry : public QObject
{
    Q_OBJECT

private slots:
    void reenteredFieldsKeepBytes_data();
    void reenteredFieldsKeepBytes();
    void editedFieldsStillWrite_data();
    void editedFieldsStillWrite();
    void corpusReentryChangesNoByte();

private:
    // Loads the image into a fresh document; false when it is not an image.
    bool load(const QByteArray& bytes);
    // The line edits of the base block sections and of the detailed timing
    // editors of the descriptor slots.
    QList<QLineEdit*> fields();
    // Focuses each enabled field and presses Return, changing nothing;
    // returns the names of the fields after which a byte had changed.
    QStringList reenterEveryField();

    // The host first: the document's editors live in it and go first.
    std::unique_ptr<QWidget> m_host;
    std::unique_ptr<Edid> m_doc;
    Images m_images;
};

bool TestFieldReentry::load(const QByteArray& bytes)
{
    m_doc.reset();
    m_host.reset(new QWidget);
    if (!m_images.load(bytes.left(EDID_IMAGE_SIZE).leftJustified(EDID_IMAGE_SIZE, '\0')))
        return false;
    Edid::Hosts hosts;
    hosts.baseSections = m_host.get();
    hosts.descriptors = m_host.get();
    m_doc.reset(new Edid(hosts));
    m_doc->setImages(m_images.saved, m_images.working);
    m_doc->initFields(m_images.decoded);
    m_doc->adaptToEDIDVersion(false);
    return true;
}

QList<QLineEdit*> TestFieldReentry::fields()
{
    QList<QLineEdit*> list;
    QList<QWidget*> sections = {&m_doc->vendorProductID(), &m_doc->videoInput(),
                                &m_doc->transferCharacteristics(), &m_doc->screenSize(),
                                &m_doc->featureSupport(), &m_doc->colorCharacteristics(),
                                &m_doc->establishedTimings(), &m_doc->standardTimings()};
    for (int slot = 0; slot < 4; ++slot) {
        if (m_doc->descriptor(slot).currentType() != DESC_DETAILED_TIMING)
            continue;
        m_doc->descriptor(slot).show();  // makes the slot's timing editor
        sections << m_doc->descriptor(slot).findChild<DetailedTimings*>();
    }
    for (QWidget* section : sections) {
        if (section)
            list << section->findChildren<QLineEdit*>();
    }
    return list;
}

QStringList TestFieldReentry::reenterEveryField()
{
    QStringList changed;
    Byte before[EDID_IMAGE_SIZE];
    for (QLineEdit* field : fields()) {
        if (!field->isEnabled() || field->isReadOnly())
            continue;
        std::memcpy(before, m_images.working, EDID_IMAGE_SIZE);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        if (std::memcmp(before, m_images.working, EDID_IMAGE_SIZE) != 0)
            changed << field->objectName();
    }
    return changed;
}

void TestFieldReentry::reenteredFieldsKeepBytes_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("shown");
    // Code 21 shows 0.021, which reads back as code 22.
    QTest::newRow("chromaticity low bits") << patched(digital14(), {{25, 0x55}, {27, 0x05}}) << "redXField"
                                           << "0.021";
    // Byte 22 = 01 is 10000 / 100: shown 1.00, out of the portrait range.
    QTest::newRow("portrait byte 01") << patched(digital14(), {{21, 0}, {22, 1}}) << "ratioField" << "1.00";
    // Byte 22 = 200 is 10000 / 299: shown 0.33, which encodes as 204.
    QTest::newRow("portrait byte 200") << patched(digital14(), {{21, 0}, {22, 200}}) << "ratioField" << "0.33";
    QTest::newRow("landscape byte 79") << patched(digital14(), {{21, 79}, {22, 0}}) << "ratioField" << "1.78";
    QTest::newRow("week 0") << patched(digital14(), {{16, 0}}) << "weekField" << "0";
    QTest::newRow("week 55") << patched(digital14(), {{16, 55}}) << "weekField" << "55";
    QTest::newRow("reserved bit 15") << patched(digital14(), {{8, 0x80 | 0x5a}}) << "manufIDField" << "VQZ";
    QTest::newRow("gamma byte 255") << patched(digital14(), {{23, 255}}) << "gammaField" << "3.55";
}

void TestFieldReentry::reenteredFieldsKeepBytes()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, field);
    QFETCH(QString, shown);
    BoxRecorder boxes;
    QVERIFY(load(image));
    auto* edit = m_host->findChild<QLineEdit*>(field);
    QVERIFY(edit);
    QCOMPARE(edit->text(), shown);
    QVERIFY(m_images.unchanged());
    // Returned, then typed again as it was, then left: nothing is written.
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    typeInto(edit, shown);
    QCOMPARE(m_images.changedBytes(), QSet<int>());
    QCOMPARE(boxes.count(), 0);
}

// Edits of the same fields still write what they say, and a reserved bit
// stays as loaded when the letters change.
void TestFieldReentry::editedFieldsStillWrite_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("bytes");  // "offset=value" pairs, hex values
    QTest::newRow("chromaticity 0.640") << patched(digital14(), {{25, 0x55}, {27, 0x05}}) << "redXField"
                                        << "0.640" << QByteArray("25=d5 27=a3");
    QTest::newRow("portrait 0.56") << patched(digital14(), {{21, 0}, {22, 1}}) << "ratioField" << "0.56"
                                   << QByteArray("21=00 22=4f");
    QTest::newRow("portrait 0.33 to 0.34") << patched(digital14(), {{21, 0}, {22, 200}}) << "ratioField" << "0.34"
                                           << QByteArray("21=00 22=c3");
    QTest::newRow("week 0 to 12") << patched(digital14(), {{16, 0}}) << "weekField" << "12"
                                  << QByteArray("16=0c");
    QTest::newRow("letters with bit 15") << patched(digital14(), {{8, 0x80 | 0x5a}}) << "manufIDField" << "ABC"
                                         << QByteArray("8=84 9=43");
}

void TestFieldReentry::editedFieldsStillWrite()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QByteArray, bytes);
    BoxRecorder boxes;
    QVERIFY(load(image));
    typeInto(m_host->findChild<QLineEdit*>(field), typed);
    QCOMPARE(boxes.count(), 0);
    QSet<int> expected = {127};
    for (const QByteArray& pair : bytes.split(' ')) {
        const int offset = pair.split('=').at(0).toInt();
        QCOMPARE(hexOf(m_images.working, offset, 1), pair.split('=').at(1));
        if (Byte(image[offset]) != m_images.working[offset])
            expected << offset;
    }
    QCOMPARE(m_images.changedBytes(), expected);
    QVERIFY(m_images.checksumValid());
}

void TestFieldReentry::corpusReentryChangesNoByte()
{
    const QStringList files = corpusFiles();
    if (files.isEmpty())
        QSKIP("EDID corpus not present");
    BoxRecorder boxes;
    QStringList failures;
    int loaded = 0;
    for (const QString& path : files) {
        if (!load(readFileBytes(path)))
            continue;
        ++loaded;
        boxes.clear();
        // The state after loading, with its own corrections, is the reference.
        std::memcpy(m_images.saved, m_images.working, EDID_IMAGE_SIZE);
        const QStringList changed = reenterEveryField();
        if (!changed.isEmpty())
            failures << QFileInfo(path).fileName() + ": " + changed.join(", ");
        else if (boxes.count() > 0)
            failures << QFileInfo(path).fileName() + ": box " + boxes.lastText();
    }
    QVERIFY2(failures.isEmpty(),
             qPrintable(QString("%1 files:\n").arg(failures.size()) + failures.mid(0, 20).join('\n')));
    QVERIFY(loaded > 3000);
}

QTEST_MAIN(TestFieldReentry)
#include "tst_fieldreentry.moc"
