// Loading every reference EDID into the four slots changes no byte except
// where loading must: a product name is rewritten in its normal form, and a
// 1.3 image loses its 1.4-only descriptors.
#include "testsupport.h"
#include "widgets/descriptorfixture.h"
#include "textdescriptor.h"

#include <QtTest>

namespace {

// The bytes a slot must hold right after loading.
QByteArray expectedAfterLoad(const QByteArray& slot, int index, int revision)
{
    const Byte* d = reinterpret_cast<const Byte*>(slot.constData());
    const T_EDID_DISPLAY_DESCRIPTORS type = classifyDescriptor(d);
    if (type == DESC_PRODUCT_NAME) {
        QByteArray normal = slot;
        normal[2] = normal[4] = 0;
        encodeDescriptorText(decodeDescriptorText(d + 5), reinterpret_cast<Byte*>(normal.data()) + 5);
        return normal;
    }
    if (revision == 3 && index > 0 && type >= DESC_DCM && type <= DESC_ESTABLISHED_TIMINGS_III)
        return kDummy;
    return slot;
}

} // namespace

class TestDescriptorCorpus : public QObject {
    Q_OBJECT
private slots:
    void loadingKeepsBytes();
};

void TestDescriptorCorpus::loadingKeepsBytes()
{
    const QStringList files = corpusFiles();
    if (files.isEmpty())
        QSKIP("reference EDID corpus not present");
    BoxRecorder boxes;
    SlotFixture f;
    int loaded = 0, rewritten = 0;
    for (const QString& file : files) {
        QByteArray image = readFileBytes(file).left(128).leftJustified(256, '\0');
        if (!f.load(image))
            continue;
        ++loaded;
        const int revision = image.at(19) == 4 ? 4 : 3;
        for (int s = 0; s < 4; ++s) {
            const QByteArray expected = expectedAfterLoad(image.mid(54 + 18 * s, 18), s, revision);
            if (expected != image.mid(54 + 18 * s, 18))
                ++rewritten;
            QVERIFY2(f.slotBytes(s) == expected, qPrintable(QStringLiteral("%1 slot %2: %3").arg(file).arg(s)
                                                               .arg(QString(f.slotBytes(s).toHex(' ')))));
        }
        QVERIFY(f.checksumValid());
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(f.newData), 54), image.left(54));
    }
    qInfo("%d images loaded, %d slots rewritten on load", loaded, rewritten);
    QVERIFY(loaded > 3000);
    QCOMPARE(boxes.count(), 0);
}

QTEST_MAIN(TestDescriptorCorpus)
#include "tst_descriptorcorpus.moc"
