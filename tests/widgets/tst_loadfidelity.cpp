#include <QtTest>

#include "edid.h"
#include "hexaviewer.h"
#include "imageload.h"
#include "sectiontesthelpers.h"

#include <cstring>

using namespace SectionTest;

// The core load path (used by the command-line tool) against the editor:
// for every EDID of the corpus it makes the same corrections and describes
// the sections with the same lists that the editors hand the hex viewer.
class TestLoadFidelity : public QObject
{
    Q_OBJECT

private slots:
    void coreLoadMatchesEditor();
};

void TestLoadFidelity::coreLoadMatchesEditor()
{
    const QStringList files = corpusFiles();
    if (files.isEmpty())
        QSKIP("EDID corpus not present");
    BoxRecorder boxes(QMessageBox::Yes);
    Edid doc;
    Images images;
    HexaViewer* viewer = HexaViewer::instance();
    // Sections the editors describe while loading, by their place in describeImage.
    const QList<QPair<int, HexaViewer::Section>> described = {
        {2, HexaViewer::VersionSection},
        {4, HexaViewer::ColorSection}, {5, HexaViewer::EstablishedSection},
        {7, HexaViewer::DescriptorSection0}, {8, HexaViewer::DescriptorSection1},
        {9, HexaViewer::DescriptorSection2}, {10, HexaViewer::DescriptorSection3},
        {11, HexaViewer::ExtensionCountSection}};
    QStringList failures;
    // Every file as it is, and the first files at other revisions: an
    // unsupported one and 1.3, which cannot hold the 1.4 descriptors.
    QList<QPair<QString, QByteArray>> inputs;
    for (const QString& path : files) {
        const QByteArray content = readFileBytes(path);
        inputs << qMakePair(QFileInfo(path).fileName(), content);
        for (char revision : {2, 3}) {
            if (inputs.size() > 600 || content.size() < EDID_BLOCK_SIZE || content[19] == revision)
                continue;
            QByteArray variant = content;
            variant[127] = char(variant[127] + variant[19] - revision);
            variant[19] = revision;
            inputs << qMakePair(QString("%1 at revision %2").arg(QFileInfo(path).fileName()).arg(int(revision)),
                                variant);
        }
    }
    for (const auto& input : inputs) {
        const QByteArray& content = input.second;
        LoadedImage core;
        if (!loadImage(content, false, core).isEmpty())
            continue;
        QByteArray bytes = content.left(EDID_IMAGE_SIZE);
        images.load(bytes.append(QByteArray(EDID_IMAGE_SIZE - bytes.size(), 0)));
        doc.setImages(images.saved, images.working);
        doc.initFields(images.decoded);
        doc.adaptToEDIDVersion(false);
        const QString& name = input.first;
        for (int i = 0; i < EDID_IMAGE_SIZE; ++i) {
            if (images.working[i] != core.working[i])
                failures << QString("%1: byte %2 is %3 in the editor").arg(name).arg(i).arg(images.working[i]);
        }
        const QList<SectionDescription> sections = describeImage(core);
        for (const auto& pair : described) {
            FieldDescriptionList shown = viewer->description(pair.second);
            const FieldDescriptionList& expected = sections[pair.first].fields;
            if (expected.size() == 1)
                shown = shown.mid(0, 1);  // descriptor types described by their tag alone
            if (shown != expected)
                failures << QString("%1: %2 described differently").arg(name, sections[pair.first].name);
        }
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.mid(0, 20).join('\n')));
}

QTEST_MAIN(TestLoadFidelity)
#include "tst_loadfidelity.moc"
