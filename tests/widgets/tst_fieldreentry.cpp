// Finishing an edit without changing a field's text writes nothing: the
// loaded bits stay, also those a shown value cannot express or a range check
// would refuse. Every line edit of the base block sections and of the
// detailed timing editors, over chosen images and every corpus base block.
#include "edid.h"
#include "sectiontesthelpers.h"

#include <QLineEdit>

using namespace SectionTest;

namespace {

// What decides which fields the base block sections show and how: the
// revision, the input, which screen sizes are given, the gamma byte, the
// week byte's kind, and each descriptor slot's tag or timing flags.
QStringList baseBlockFeaturesOf(const QByteArray& content)
{
    if (content.size() < EDID_BLOCK_SIZE)
        return {};
    const auto* b = reinterpret_cast<const Byte*>(content.constData());
    const int week = b[16] == 0 ? 0 : b[16] <= 54 ? 1 : b[16] == 0xFF ? 2 : 3;
    QStringList features = {QStringLiteral("revision %1 input %2").arg(b[19]).arg(b[20] >> 7),
                            QStringLiteral("sizes %1 %2").arg(b[21] != 0).arg(b[22] != 0),
                            QStringLiteral("gamma %1").arg(b[23] == 0xFF), QStringLiteral("week %1").arg(week)};
    for (int slot = 0; slot < 4; ++slot) {
        const Byte* d = b + descriptorOffset(slot);
        features << (d[0] || d[1] ? QStringLiteral("slot %1 flags %2").arg(slot).arg(d[17])
                                  : QStringLiteral("slot %1 tag %2").arg(slot).arg(d[3]));
    }
    return features;
}

} // namespace

class TestFieldReentry : public QObject
{
    Q_OBJECT

private slots:
    void everyFieldReenteredChangesNoByte();

private:
    // Loads the image into a fresh, shown document (a descriptor slot makes
    // its editor when shown); false when it is not an image.
    bool load(const QByteArray& bytes);
    // Presses Return in each enabled field, changing nothing; returns the
    // fields after which a byte had changed.
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
    m_doc.reset(new Edid(Edid::Hosts{m_host.get(), m_host.get()}));
    m_doc->setImages(m_images.saved, m_images.working);
    m_doc->initFields(m_images.decoded);
    m_doc->adaptToEDIDVersion(false);
    m_host->show();
    // The state after loading, with its own corrections, is the reference.
    std::memcpy(m_images.saved, m_images.working, EDID_IMAGE_SIZE);
    return true;
}

QStringList TestFieldReentry::reenterEveryField()
{
    QList<QWidget*> sections = {&m_doc->vendorProductID(), &m_doc->transferCharacteristics(),
                                &m_doc->screenSize(), &m_doc->colorCharacteristics(), &m_doc->standardTimings()};
    for (int slot = 0; slot < 4; ++slot)
        sections << m_doc->descriptor(slot).findChild<DetailedTimings*>();
    QStringList changed;
    for (QWidget* section : sections) {
        for (QLineEdit* field : section && section->isVisible() ? section->findChildren<QLineEdit*>()
                                                                : QList<QLineEdit*>()) {
            if (!field->isEnabled())
                continue;
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            if (!m_images.unchanged())
                changed << field->objectName();
            std::memcpy(m_images.saved, m_images.working, EDID_IMAGE_SIZE);
        }
    }
    return changed;
}

void TestFieldReentry::everyFieldReenteredChangesNoByte()
{
    // Shown values that do not encode back to their bits: chromaticity code
    // 21 shows 0.021, whose nearest code is 22; portrait byte 22 = 01 shows
    // 1.00, out of the portrait range, and 200 shows 0.33, which encodes as
    // 204. Values the range checks refuse: week 0 and 55, gamma byte 255
    // (3.55). Reserved bit 15 of the manufacturer ID.
    QList<QPair<QString, QByteArray>> images = {
        {"chromaticity code 21", patched(digital14(), {{25, 0x55}, {27, 0x05}})},
        {"portrait byte 01", patched(digital14(), {{21, 0}, {22, 1}})},
        {"portrait byte 200", patched(digital14(), {{21, 0}, {22, 200}})},
        {"week 0", patched(digital14(), {{16, 0}})},
        {"week 55", patched(digital14(), {{16, 55}})},
        {"gamma byte 255", patched(digital14(), {{23, 255}})},
        {"reserved bit 15", patched(analog13(), {{8, 0x80 | 0x5a}})}};
    const QStringList files = filesCarrying(corpusFiles(), baseBlockFeaturesOf);
    for (const QString& path : files)
        images << qMakePair(QFileInfo(path).fileName(), readFileBytes(path));
    BoxRecorder boxes;
    QStringList failures;
    int loaded = 0;
    for (const auto& image : images) {
        if (!load(image.second))
            continue;
        ++loaded;
        boxes.clear();
        const QStringList changed = reenterEveryField();
        if (!changed.isEmpty() || boxes.count() > 0)
            failures << image.first + ": " + changed.join(", ") + " " + boxes.lastText();
    }
    QVERIFY2(failures.isEmpty(),
             qPrintable(QString("%1 images:\n").arg(failures.size()) + failures.mid(0, 20).join('\n')));
    qInfo("%d images, %d of them from the corpus", loaded, int(files.size()));
    QVERIFY(loaded > files.size());
}

QTEST_MAIN(TestFieldReentry)
#include "tst_fieldreentry.moc"
