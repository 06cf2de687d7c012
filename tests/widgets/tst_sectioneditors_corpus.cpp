#include <QtTest>

#include "edid.h"
#include "sectiontesthelpers.h"

#include <QCheckBox>

using namespace SectionTest;

// Opens every EDID of the reference corpus, one after the other, in the
// document: loading never changes a byte of the fixed sections, and what the
// editors show belongs to the image just loaded.
class TestSectionEditorsCorpus : public QObject
{
    Q_OBJECT

private slots:
    void loadingChangesNoByte();
};

void TestSectionEditorsCorpus::loadingChangesNoByte()
{
    const QStringList files = corpusFiles();
    if (files.isEmpty())
        QSKIP("EDID corpus not present");
    BoxRecorder boxes;
    Edid doc;
    Images images;
    QStringList failures;
    int loaded = 0;
    auto text = [](QWidget& editor, const char* name) { return editor.findChild<QLineEdit*>(name)->text(); };
    for (const QString& path : files) {
        QByteArray bytes = readFileBytes(path).left(EDID_IMAGE_SIZE);
        if (!images.load(bytes.append(QByteArray(EDID_IMAGE_SIZE - bytes.size(), 0))))
            continue;
        doc.setImages(images.saved, images.working);
        doc.initFields(images.decoded);
        doc.adaptToEDIDVersion(false);
        ++loaded;
        const QString name = QFileInfo(path).fileName();
        for (int i = 8; i < 54; ++i) {
            if (i != 18 && i != 19 && images.saved[i] != images.working[i])
                failures << QString("%1: byte %2 changed").arg(name).arg(i);
        }
        const T_EDID_DEF& def = images.decoded;
        auto expect = [&](bool shown, const char* what) { if (!shown) failures << name + ": " + what + " shown"; };
        expect(text(doc.vendorProductID(), "manufIDField") == def.vendorProduct.manufacturerID, "manufacturer");
        expect(doc.vendorProductID().findChild<QCheckBox*>("modelYearCB")->isChecked() == def.vendorProduct.modelYear,
               "model year");
        expect(text(doc.transferCharacteristics(), "gammaField") == QString::number(def.gamma.gamma / 100.0, 'f', 2),
               "gamma");
        expect(text(doc.colorCharacteristics(), "redXField") == chromaticityText(def.colorCharacteristics.codes[RED_X]),
               "red x");
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.mid(0, 20).join('\n')));
    QVERIFY(loaded > 3000);
}

QTEST_MAIN(TestSectionEditorsCorpus)
#include "tst_sectioneditors_corpus.moc"
