// What showing a block for the first time costs in the extension editor:
// the editor of a real block made from its bytes, shown and painted once,
// under the program's style sheet (every widget is polished by it). For
// the forms of the HDMI, HDMI Forum, FreeSync and HDR blocks, the decoded
// views of Dolby Vision and HDR dynamic metadata, and for comparison a
// vendor-specific block of an unknown OUI and a video block. Medians of
// 21 runs; prints figures, never fails on timing.

#include "ceablock.h"
#include "ceablockfactory.h"
#include "ceacatalogue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>

namespace {

const int kRuns = 21;

struct Sample {
    const char* name;
    int index;
    int tag;
    const char* bytes;  // after the header byte
};

const Sample kSamples[] = {
    {"Video (reference)", CEA_VIDEO, 2, "901f0514041312110302202122"},
    {"Vendor specific, unknown OUI", CEA_VENDOR_SPECIFIC, 3, "563412010203"},
    {"HDMI", CEA_VENDOR_SPECIFIC, 3, "030c003000383ca0292900600102 03"},
    {"HDMI Forum", CEA_VENDOR_SPECIFIC, 3, "d85dc4017880631230908364 1d"},
    {"AMD FreeSync v3", CEA_VENDOR_SPECIFIC, 3, "1a00000303 30f0eca08b018b01f0 00"},
    {"HDR static metadata", CEA_HDR_STATIC_METADATA, 7, "06070163632f"},
    {"HDMI Forum SCDB", CEA_HDMI_FORUM_SCDB, 7, "79000001000000022800"},
    {"HDR dynamic metadata", CEA_HDR_DYNAMIC_METADATA, 7, "070404000404"},
    {"Dolby Vision", CEA_VENDOR_SPECIFIC_VIDEO, 7, "0146d00048037682 5e6d95"},
};

double showOnce(const Sample& sample, QWidget* host)
{
    const QByteArray bytes = QByteArray::fromHex(QByteArray(sample.bytes).replace(' ', ""));
    QElapsedTimer clock;
    clock.start();
    CEABlock* view = createBlock(sample.index, host);
    view->loadEntry({CEAEntryKind::DataBlock, sample.tag, bytes});
    view->resize(host->size());
    view->show();
    view->updateUI();
    QCoreApplication::processEvents();
    const double ms = clock.nsecsElapsed() / 1e6;
    delete view;
    return ms;
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QFile style(QStringLiteral(":/others/style.qss"));
    if (style.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(style.readAll()));
    else
        std::printf("style sheet not found: figures without it\n");
    // The views are shown inside one window, as in the extension editor.
    QWidget host;
    host.resize(480, 700);
    host.show();
    QCoreApplication::processEvents();
    std::printf("%-32s %10s\n", "first view of a block", "ms");
    for (const Sample& sample : kSamples) {
        QVector<double> runs;
        for (int i = 0; i < kRuns; ++i)
            runs << showOnce(sample, &host);
        std::printf("%-32s %10.2f\n", sample.name, median(runs));
    }
    return 0;
}
