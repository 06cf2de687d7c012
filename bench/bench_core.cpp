// Throughput of the core over the reference corpus: files per second for
// the whole load (decode, corrections, descriptions) and for re-encoding
// every decoded section. Prints figures; never fails on timing.

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

template <typename Pass>
void measure(const char* what, int rounds, int files, Pass pass)
{
    QElapsedTimer timer;
    timer.start();
    long work = 0;
    for (int round = 0; round < rounds; ++round)
        work += pass();
    const double seconds = qMax(timer.nsecsElapsed() / 1e9, 1e-9);
    std::printf("%-28s %8.0f files/s  (%d files x %d rounds in %.2f s, %ld units)\n", what,
                files * double(rounds) / seconds, files, rounds, seconds, work);
}

} // namespace

int main()
{
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
