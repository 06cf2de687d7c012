#include <QtTest>

#include "edid.h"
#include "sectiontesthelpers.h"
#include "testsupport.h"

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
    for (const QString& path : files) {
        QByteArray bytes = readFileBytes(path).left(EDID_IMAGE_SIZE);
        bytes.append(QByteArray(EDID_IMAGE_SIZE - bytes.size(), 0));
        if (!images.load(bytes))
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
        const T_EDID_VENDOR_PRODUCT& vp = images.decoded.vendorProduct;
        if (doc.vendorProductID().findChild<QLineEdit*>("manufIDField")->text() != vp.manufacturerID)
            failures << name + ": manufacturer shown";
        if (doc.vendorProductID().findChild<QCheckBox*>("modelYearCB")->isChecked() != vp.modelYear)
            failures << name + ": model year shown";
        const int gamma = images.decoded.gamma.gamma;
        if (doc.transferCharacteristics().findChild<QLineEdit*>("gammaField")->text()
            != QString::number(gamma / 100.0, 'f', 2))
            failures << name + ": gamma shown";
        const QString redX = doc.colorCharacteristics().findChild<QLineEdit*>("redXField")->text();
        if (redX != chromaticityText(images.decoded.colorCharacteristics.codes[RED_X]))
            failures << name + ": red x shown";
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.mid(0, 20).join('\n')));
    QVERIFY(loaded > 3000);
}

QTEST_MAIN(TestSectionEditorsCorpus)
#include "tst_sectioneditors_corpus.moc"
