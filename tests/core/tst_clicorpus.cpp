#include <QtTest>

#include "coresupport.h"
#include "imagefile.h"
#include "imageload.h"

#include <cstring>

// Every EDID of the reference corpus, as .bin and as a text dump, goes
// through the whole core load path; what resave writes differs from the
// file only in the bytes of the corrections it reports, and leaves out only
// bytes a correction names.
class TestCliCorpus : public QObject
{
    Q_OBJECT

private slots:
    void resaveChangesOnlyCorrectedBytes();
};

namespace {

// The file as Save writes it when nothing is corrected: the announced
// blocks, zero-padded to the 256-byte image.
QByteArray uncorrected(const QByteArray& content, int size)
{
    const QByteArray start = content.left(size);
    return start + QByteArray(size - start.size(), '\0');
}

bool inCorrection(int byte, const LoadCorrections& corrections)
{
    // The checksum byte of a block changes with any correction inside it.
    const bool checksum = byte == 127 || byte == 255;
    for (const LoadCorrection& correction : corrections) {
        if (byte >= correction.first && byte <= correction.last)
            return true;
        if (checksum && correction.first <= byte - 1 && correction.last >= byte - 127)
            return true;
    }
    return false;
}

} // namespace

void TestCliCorpus::resaveChangesOnlyCorrectedBytes()
{
    const QStringList names = corpusFiles();
    if (names.isEmpty())
        QSKIP("EDID corpus not present");
    int loaded = 0;
    QStringList failures;
    for (const QString& name : names) {
        const QByteArray content = readFileBytes(name);
        LoadedImage image;
        if (!loadImage(content, false, image).isEmpty())
            continue;
        ++loaded;
        const QByteArray saved = image.savedFileBytes();
        const QByteArray original = uncorrected(content, saved.size());
        for (int i = 0; i < saved.size(); ++i) {
            if (saved[i] != original[i] && !inCorrection(i, image.corrections))
                failures << QString("%1: byte %2 changed without a correction").arg(name).arg(i);
        }
        // Nothing the file holds is left out without a word.
        for (int i = saved.size(); i < content.size(); ++i) {
            if (!inCorrection(i, image.corrections))
                failures << QString("%1: byte %2 dropped without a correction").arg(name).arg(i);
        }
        // The same image read from its text dump loads to the same bytes.
        LoadedImage fromDump;
        if (!loadImage(writeTextDump(saved), true, fromDump).isEmpty()
            || std::memcmp(fromDump.saved, saved.constData(), EDID_IMAGE_SIZE) != 0)
            failures << name + ": text dump reads differently";
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.mid(0, 20).join('\n')));
    QVERIFY(loaded > names.size() * 3 / 4);
}

QTEST_GUILESS_MAIN(TestCliCorpus)
#include "tst_clicorpus.moc"
