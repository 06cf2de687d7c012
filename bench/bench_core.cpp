// Throughput of the core over the reference corpus: files per second for
// the whole load (decode, corrections, descriptions) and for re-encoding
// every decoded section; and the time of one CEA extension serialization,
// which the extension editor runs after every change of a block. Prints
// figures; never fails on timing.

#include "ceaextension.h"
#include "descriptors.h"
#include "edidrecords.h"
#include "imageload.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <cstring>

namespace {

QList<QByteArray> readCorpus()
{
    QList<QByteArray> files;
    const QDir dir(QStringLiteral(EDID_CORPUS_DIR));
    for (const QString& name : dir.entryList({"*.bin"}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files << file.readAll();
    }
    return files;
}

void encodeAll(const T_EDID_DEF& d, Byte* image)
{
    encodeVendorProduct(d.vendorProduct, image);
    encodeVideoInput(d.videoInput, d.revision, image);
    encodeScreenSize(d.screenSize, image);
    encodeGamma(d.gamma, image);
    encodeFeatureSupport(d.featureSupport, d.videoInput.isAnalog, image);
    encodeColorCharacteristics(d.colorCharacteristics, image);
    encodeEstablishedTimings(d.establishedTimings, image);
    for (int i = 0; i < STANDARD_TIMING_COUNT; ++i)
        encodeStandardTiming(d.standardTimings[i], image + STANDARD_TIMINGS_OFFSET + 2 * i);
    for (int slot = 0; slot < 4; ++slot)
        encodeDisplayDescriptor(d.displayDescriptors[slot], d.revision, image + descriptorOffset(slot));
}

struct Timed {
    double seconds;
    long work;  // summed results, so that the calls cannot be optimised away
};

template <typename Call>
Timed timeCalls(int calls, Call call)
{
    QElapsedTimer timer;
    timer.start();
    long work = 0;
    for (int i = 0; i < calls; ++i)
        work += call();
    return {qMax(timer.nsecsElapsed() / 1e9, 1e-9), work};
}

template <typename Pass>
void measure(const char* what, int rounds, int files, Pass pass)
{
    const auto [seconds, work] = timeCalls(rounds, pass);
    std::printf("%-28s %8.0f files/s  (%d files x %d rounds in %.2f s, %ld units)\n", what,
                files * double(rounds) / seconds, files, rounds, seconds, work);
}

// An extension as an edited one looks: ten data blocks of 7 bytes, five
// of them with an extended tag, and two detailed timings (106 bytes).
QVector<CEAEntry> tenBlocksTwoTimings()
{
    static const Byte kTags[5] = {1, 2, 3, 4, 7};
    QVector<CEAEntry> entries;
    for (int i = 0; i < 10; ++i) {
        QByteArray payload(6, char(0x10 + i));
        if (i >= 5)
            payload[0] = char(i);  // an extended tag code
        entries.append({CEAEntryKind::DataBlock, i < 5 ? kTags[i] : 7, payload});
    }
    static const Byte kTiming[CEA_DTD_SIZE] = {0x01, 0x1D, 0x00, 0x72, 0x51, 0xD0, 0x1E, 0x20, 0x6E,
                                                0x28, 0x55, 0x00, 0x58, 0x54, 0x21, 0x00, 0x00, 0x1E};
    const QByteArray timing(reinterpret_cast<const char*>(kTiming), CEA_DTD_SIZE);
    entries.append({CEAEntryKind::DetailedTimings, 0, timing + timing});
    return entries;
}

template <typename Call>
void measureCall(const char* what, int calls, Call call)
{
    const auto [seconds, work] = timeCalls(calls, call);
    std::printf("%-28s %8.3f us/call  (%d calls in %.2f s, %ld bytes)\n", what, seconds * 1e6 / calls,
                calls, seconds, work);
}

void measureExtension()
{
    const QVector<CEAEntry> entries = tenBlocksTwoTimings();
    const Byte monitor = ceaMonitorSupportByte(true, true, false, false, 1);
    const QByteArray block = serializeCEAExtension(3, monitor, entries).bytes;
    Byte image[EDID_IMAGE_SIZE] = {};
    std::memcpy(image + EDID_BLOCK_SIZE, block.constData(), EDID_BLOCK_SIZE);
    const int calls = 200000;
    measureCall("CEA serialize", calls, [&] {
        return serializeCEAExtension(3, monitor, entries).total;
    });
    measureCall("CEA parse + reserialize", calls, [&] {
        T_EDID_CEA_EXTENSION_DEF record;
        parseCEAExtension(image, record);
        return reserializeCEAExtension(record).total;
    });
}

} // namespace

int main()
{
    measureExtension();
    const QList<QByteArray> corpus = readCorpus();
    if (corpus.isEmpty()) {
        std::printf("EDID corpus not present in %s: nothing measured\n", EDID_CORPUS_DIR);
        return 0;
    }
    const int rounds = 5;
    measure("load + describe", rounds, corpus.size(), [&] {
        long sections = 0;
        for (const QByteArray& content : corpus) {
            LoadedImage image;
            if (loadImage(content, false, image).isEmpty())
                sections += describeImage(image).size();
        }
        return sections;
    });
    measure("decode + encode", rounds, corpus.size(), [&] {
        long accepted = 0;
        Byte image[EDID_IMAGE_SIZE];
        for (const QByteArray& content : corpus) {
            LoadedImage loaded;
            if (!loadImage(content, false, loaded).isEmpty())
                continue;
            std::memcpy(image, loaded.working, EDID_IMAGE_SIZE);
            encodeAll(loaded.decoded, image);
            ++accepted;
        }
        return accepted;
    });
    return 0;
}
