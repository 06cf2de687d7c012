// The image model: the one write path of the document's bytes.

#include "checksum.h"
#include "imagemodel.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QByteArray block(char fill, Byte extensions = 0)
{
    QByteArray bytes(EDID_BLOCK_SIZE, fill);
    bytes[126] = char(extensions);
    updateBlockChecksum(reinterpret_cast<Byte*>(bytes.data()));
    return bytes;
}

bool checksumsValid(const QByteArray& bytes, int blocks)
{
    for (int b = 0; b < blocks; ++b) {
        if (!blockChecksumValid(reinterpret_cast<const Byte*>(bytes.constData()) + b * EDID_BLOCK_SIZE))
            return false;
    }
    return true;
}

} // namespace

class TestImageModel : public QObject
{
    Q_OBJECT
private slots:
    void writeFixesTouchedChecksums_data();
    void writeFixesTouchedChecksums();
    void restoreIsExactAndUnrecorded();
    void savedStateAndFileBytes();
    void owningModelOfAPointer();
};

void TestImageModel::writeFixesTouchedChecksums_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("changedFirst");  // -1: nothing changes
    QTest::addColumn<int>("changedLast");
    QTest::addColumn<int>("stepLength");    // bytes the undo step holds
    QTest::newRow("one base byte") << 8 << QByteArray("\x22") << 8 << 127 << 120;
    QTest::newRow("same byte again: nothing") << 8 << QByteArray("\x11") << -1 << -1 << 0;
    QTest::newRow("slice ending on 126") << 120 << QByteArray(7, '\x05') << 120 << 127 << 8;
    QTest::newRow("across both blocks") << 126 << QByteArray("\x01\x00\x33", 3) << 126 << 255 << 130;
    QTest::newRow("third block") << 300 << QByteArray("\x44") << 300 << 383 << 84;
    QTest::newRow("clipped at the end") << 380 << QByteArray(10, '\x09') << 380 << 383 << 4;
    QTest::newRow("outside") << 384 << QByteArray("\x01") << -1 << -1 << 0;
}

void TestImageModel::writeFixesTouchedChecksums()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFETCH(int, changedFirst);
    QFETCH(int, changedLast);
    QFETCH(int, stepLength);
    ImageModel model;
    const QByteArray file = block('\x11', 2) + block('\x11') + block('\x11');
    model.load(file);
    QSignalSpy changed(&model, &ImageModel::changed);
    QSignalSpy written(&model, &ImageModel::written);
    model.write(offset, bytes);
    const QByteArray now = model.workingBytes();
    QVERIFY(checksumsValid(now, 3));
    QCOMPARE(model.savedBytes(0, 384), file);
    if (changedFirst < 0) {
        QCOMPARE(changed.count() + written.count(), 0);
        QCOMPARE(now, file);
        return;
    }
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().value(0).toInt(), changedFirst);
    QCOMPARE(changed.first().value(1).toInt(), changedLast);
    QCOMPARE(written.count(), 1);
    QCOMPARE(written.first().value(0).toInt(), offset);
    const QByteArray before = written.first().value(1).toByteArray();
    const QByteArray after = written.first().value(2).toByteArray();
    QCOMPARE(before.size(), stepLength);
    QCOMPARE(before, file.mid(offset, stepLength));
    QCOMPARE(after, now.mid(offset, stepLength));
    // Nothing outside the written bytes and the checksums moved.
    for (int i = 0; i < now.size(); ++i) {
        const bool inWrite = i >= offset && i < offset + bytes.size();
        if (!inWrite && i % EDID_BLOCK_SIZE != 127)
            QCOMPARE(now[i], file[i]);
    }
}

// Undo puts the bytes of a step back: exactly, even a checksum that an
// earlier state had wrong, and without making a new step.
void TestImageModel::restoreIsExactAndUnrecorded()
{
    ImageModel model;
    QByteArray file = block('\x20');
    file[127] = char(file[127] + 1);
    model.load(file);
    QSignalSpy written(&model, &ImageModel::written);
    model.write(10, QByteArray("\x21"));
    QCOMPARE(written.count(), 1);
    QSignalSpy changed(&model, &ImageModel::changed);
    const auto step = written.takeFirst();
    model.restore(step.value(0).toInt(), step.value(1).toByteArray());
    QCOMPARE(model.workingBytes().left(EDID_BLOCK_SIZE), file);
    QCOMPARE(written.count(), 0);
    QCOMPARE(changed.count(), 1);
    model.restore(step.value(0).toInt(), step.value(2).toByteArray());
    QCOMPARE(model.bytes(10, 1), QByteArray("\x21"));
    QVERIFY(blockChecksumValid(model.workingImage()));
}

void TestImageModel::savedStateAndFileBytes()
{
    ImageModel model;
    const QByteArray file = block('\x01', 2) + block('\x02') + block('\x03');
    model.load(file);
    QVERIFY(!model.isModified());
    QCOMPARE(model.size(), 384);
    QCOMPARE(model.fileBytes(), file);
    model.write(126, QByteArray("\x01"));  // the third block is no longer announced
    QVERIFY(model.isModified());
    QCOMPARE(model.fileBytes().size(), 256);
    model.markSaved();
    QVERIFY(!model.isModified());
    QCOMPARE(model.savedBytes(126, 1), QByteArray("\x01"));
    model.clear();
    QCOMPARE(model.workingBytes(), QByteArray(256, '\0'));
    QVERIFY(!model.isModified());
}

void TestImageModel::owningModelOfAPointer()
{
    ImageModel first, second;
    QCOMPARE(ImageModel::owning(first.workingImage() + 200), &first);
    QCOMPARE(ImageModel::owning(second.savedImage()), &second);
    Byte elsewhere[EDID_IMAGE_SIZE] = {};
    QCOMPARE(ImageModel::owning(elsewhere), static_cast<ImageModel*>(nullptr));
    QCOMPARE(ImageModel::owning(first.workingImage() + EDID_IMAGE_SIZE), static_cast<ImageModel*>(nullptr));
}

QTEST_GUILESS_MAIN(TestImageModel)
#include "tst_imagemodel.moc"
