// Every base block of the reference corpus: decoded as the reference decode
// next to it says, encoded back to the bytes it came from, and shown by the
// editors without any write; a field left as it is writes nothing either.
// (That opening changes only the bytes of the corrections it reports is the
// command-line corpus test's part.)
#include "edid.h"
#include "imageload.h"
#include "sectiontesthelpers.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <cmath>

using namespace SectionTest;

namespace {

struct Entry {
    QString title;       // first line of a descriptor entry
    QStringList details; // its indented lines
};

// What the reference decode says of the base block.
struct Reference {
    QMap<QString, QString> values; // "Manufacturer", "Model", "Made in", "Gamma", ...
    QStringList standardTimings;   // "1024x768 4:3 60"
    bool standardTimingsSeen = false;
    QList<Entry> descriptors;
};

Reference parseReference(const QString& text)
{
    static const QRegularExpression value("^    ([A-Za-z ]+): (.*)$");
    static const QRegularExpression timing("^    \\S.*:\\s+(\\d+)x(\\d+)i?\\s+([0-9.]+) Hz\\s+(\\d+:\\d+)");
    Reference ref;
    QString part;
    bool inBase = false;
    for (const QString& line : text.split('\n')) {
        if (line.startsWith("Block 0,"))
            inBase = true;
        else if (!line.startsWith(' '))
            inBase = false;
        if (!inBase)
            continue;
        if (line.startsWith("  ") && line.at(2) != ' ') {
            part = line.trimmed();
            ref.standardTimingsSeen |= part == "Standard Timings:";
            continue;
        }
        if (part == "Standard Timings:") {
            const QRegularExpressionMatch m = timing.match(line);
            if (m.hasMatch())
                ref.standardTimings << QString("%1x%2 %3 %4").arg(m.captured(1), m.captured(2), m.captured(4))
                                           .arg(qRound(m.captured(3).toDouble()));
        } else if (part == "Detailed Timing Descriptors:") {
            if (line.at(4) != ' ')
                ref.descriptors.append({line.trimmed(), {}});
            else if (!ref.descriptors.isEmpty())
                ref.descriptors.last().details.append(line.trimmed());
        } else {
            const QRegularExpressionMatch m = value.match(line);
            if (m.hasMatch())
                ref.values[m.captured(1)] = m.captured(2);
            else if (line == "    Image size is variable")
                ref.values["Maximum image size"] = "variable";
        }
    }
    return ref;
}

int vActive(const T_EDID_STANDARD_TIMING& t)
{
    const int numerator[] = {10, 3, 4, 9};   // 16:10, 4:3, 5:4, 16:9
    const int denominator[] = {16, 4, 5, 16};
    const int i = t.aspectRatio == ASPECT_4_3 ? 1 : t.aspectRatio == ASPECT_5_4 ? 2 : t.aspectRatio == ASPECT_16_9 ? 3 : 0;
    return t.hActive * numerator[i] / denominator[i];
}

// The reference prints the exact DMT rate (59.94 for 640x480 @ 60) and, before
// E-EDID 1.3, sometimes reads aspect bits 00 as 1:1.
bool sameStandardTiming(const T_EDID_STANDARD_TIMING& t, const QString& reference)
{
    const QStringList r = reference.split(' ');
    if (qAbs(r[2].toInt() - t.refreshRate) > 2)
        return false;
    if (r[1] == "1:1")
        return r[0].section('x', 0, 0).toInt() == t.hActive;
    return r[0] == QString("%1x%2").arg(t.hActive).arg(vActive(t)) && r[1] == standardTimingAspectText(t.aspectRatio);
}

T_EDID_DISPLAY_DESCRIPTORS expectedType(const QString& title)
{
    static const QList<QPair<QString, T_EDID_DISPLAY_DESCRIPTORS>> prefixes = {
        {"DTD", DESC_DETAILED_TIMING}, {"Detailed mode", DESC_DETAILED_TIMING},
        {"Display Product Serial Number", DESC_SERIAL_NUMBER}, {"Alphanumeric Data String", DESC_DATA_STRING},
        {"Display Range Limits", DESC_RANGE_LIMITS}, {"Display Product Name", DESC_PRODUCT_NAME},
        {"Color Point Data", DESC_COLOR_POINT}, {"Standard Timing Identifications", DESC_STANDARD_TIMINGS},
        {"Display Color Management Data", DESC_DCM}, {"CVT 3 Byte Timing Codes", DESC_CVT_TIMINGS},
        {"Established timings III", DESC_ESTABLISHED_TIMINGS_III}, {"Empty Descriptor", DESC_UNUSED},
        {"Dummy Descriptor", DESC_UNUSED}, {"Manufacturer-Specified Display Descriptor", DESC_UNKNOWN},
        {"Unknown Display Descriptor", DESC_UNKNOWN}, {"EPI Descriptor", DESC_UNKNOWN}};
    for (const auto& p : prefixes) {
        if (title.startsWith(p.first))
            return p.second;
    }
    return T_EDID_DISPLAY_DESCRIPTORS(-1);
}

// A detailed timing against the reference's head line and porch lines (the
// reference counts the borders, on both sides, out of the back porches).
QString checkTiming(const T_EDID_DETAILED_TIMING_DEF& t, const Entry& e)
{
    static const QRegularExpression head("^DTD +\\d+: +(\\d+)x(\\d+)(i?) .* ([0-9.]+) MHz");
    static const QRegularExpression porches("^[HV]front +(-?\\d+) [HV]sync +(\\d+) [HV]back +(-?\\d+)");
    if (e.title.startsWith("Detailed mode"))
        return QString();
    const QRegularExpressionMatch m = head.match(e.title);
    const QRegularExpressionMatch h = porches.match(e.details.value(0));
    const QRegularExpressionMatch v = porches.match(e.details.value(1));
    if (!m.hasMatch() || !h.hasMatch() || !v.hasMatch())
        return "unreadable reference";
    const int lines = m.captured(3).isEmpty() ? 1 : 2;
    const QList<int> mine = {t.hActive, t.vActive * lines, int(t.pixelClock), t.hFrontPorch, t.hSyncWidth,
                             qint16(t.hBackPorch) - 2 * t.hBorder, t.vFrontPorch, t.vSyncWidth,
                             qint16(t.vBackPorch) - 2 * t.vBorder};
    const QList<int> reference = {m.captured(1).toInt(), m.captured(2).toInt(),
                                  int(qRound64(m.captured(4).toDouble() * 100)), h.captured(1).toInt(),
                                  h.captured(2).toInt(), h.captured(3).toInt(), v.captured(1).toInt(),
                                  v.captured(2).toInt(), v.captured(3).toInt()};
    return mine == reference ? QString() : "timing differs";
}

QString checkRangeLimits(const T_EDID_RANGE_LIMITS& l, int revision, const Entry& e)
{
    static const QRegularExpression ranges(
        "^Monitor ranges \\((.*)\\): (\\d+)-(\\d+) Hz V, (\\d+)-(\\d+) kHz H, max dotclock (\\d+) MHz");
    for (const QString& line : e.details) {
        const QRegularExpressionMatch m = ranges.match(line);
        if (!m.hasMatch())
            continue;
        const QString kind = m.captured(1);
        int support = RANGE_DEFAULT_GTF;
        if (kind == "Secondary GTF")
            support = RANGE_SECONDARY_GTF;
        else if (revision == 4 && kind == "Bare Limits")
            support = RANGE_LIMITS_ONLY;
        else if (revision == 4 && kind == "CVT")
            support = RANGE_CVT;
        const QList<int> mine = {l.minVRate, l.maxVRate, l.minHRate, l.maxHRate, l.maxPixelClock, l.timingSupport};
        const QList<int> reference = {m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt(),
                                      m.captured(5).toInt(), m.captured(6).toInt(), support};
        return mine == reference ? QString() : "range limits differ";
    }
    return "no ranges line";
}

// The reference prints a text up to its first unprintable byte, without
// trailing blanks.
QString printable(QString s)
{
    const int end = s.indexOf(QRegularExpression("[^\\x20-\\x7E]"));
    return (end < 0 ? s : s.left(end)).trimmed();
}

// Slot bytes that decoding and encoding must give back unchanged.
QList<int> preservedOffsets(const Byte* d, T_EDID_DISPLAY_DESCRIPTORS type, int revision)
{
    QList<int> offsets;
    auto range = [&](int first, int last) {
        for (int i = first; i <= last; ++i)
            offsets << i;
    };
    switch (type) {
    case DESC_DETAILED_TIMING:
    case DESC_UNKNOWN: range(0, 17); break;
    case DESC_RANGE_LIMITS:
        range(5, 9);
        if (d[10] == 0x02)
            range(12, 17), offsets << 10; // byte 11 is reserved and written 0
        if (revision == 4 && d[10] == 0x04)
            range(10, 14), offsets << 17;
        break;
    case DESC_COLOR_POINT: range(5, 14); break;
    case DESC_STANDARD_TIMINGS:
        // An unused code (first byte 0x01, or 0x00) is written 0x01 0x00.
        for (int i = 5; i < 17; i += 2) {
            if (d[i] != 0x00)
                offsets << i;
            if (d[i] > 0x01)
                offsets << i + 1;
        }
        break;
    case DESC_DCM: range(6, 17); break;
    case DESC_CVT_TIMINGS:
    case DESC_ESTABLISHED_TIMINGS_III: range(6, 10); break;
    default: break;
    }
    return offsets;
}

// What decides which fields the base block sections show and how: the
// revision, the input, which screen sizes are given, the gamma byte, the
// week byte's kind, and each descriptor slot's tag or timing flags.
QStringList baseBlockFeaturesOf(const QByteArray& content)
{
    if (content.size() < EDID_BLOCK_SIZE)
        return {};
    const Byte* b = rawBytes(content);
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

// Presses Return in each enabled field of the base block sections and the
// detailed timing editors, changing nothing; the fields after which a byte
// had changed.
QStringList reenterEveryField(Edid& doc, Images& images)
{
    QList<QWidget*> sections = {&doc.vendorProductID(), &doc.transferCharacteristics(), &doc.screenSize(),
                                &doc.colorCharacteristics(), &doc.standardTimings()};
    for (int slot = 0; slot < 4; ++slot)
        sections << doc.descriptor(slot).findChild<DetailedTimings*>();
    QStringList changed;
    for (QWidget* section : sections) {
        for (QLineEdit* field : section && section->isVisible() ? section->findChildren<QLineEdit*>()
                                                                : QList<QLineEdit*>()) {
            if (!field->isEnabled())
                continue;
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            if (!images.unchanged())
                changed << field->objectName();
            std::memcpy(images.saved, images.working, EDID_IMAGE_SIZE);
        }
    }
    return changed;
}

} // namespace

class TestCorpus : public QObject
{
    Q_OBJECT

private slots:
    void everyImage();
    void coreLoadMatchesEditor();
    void everyFieldReenteredChangesNoByte();

private:
    void checkDecode(const T_EDID_DEF& def, const Reference& ref);
    void checkDescriptors(const Byte* image, const T_EDID_DEF& def, const Reference& ref);
    void checkEncode(const QByteArray& image, const T_EDID_DEF& def);
    void expect(bool ok, const QString& what) { if (!ok) m_failures << m_name + ": " + what; }

    QString m_name;
    QStringList m_failures;
};

void TestCorpus::checkDecode(const T_EDID_DEF& def, const Reference& ref)
{
    const T_EDID_VENDOR_PRODUCT& vp = def.vendorProduct;
    const auto& v = ref.values;
    if (QRegularExpression("^[A-Z]{3}$").match(vp.manufacturerID).hasMatch())
        expect(v.value("Manufacturer") == vp.manufacturerID, "manufacturer");
    expect(v.value("Model").toInt() == QString(vp.productCode).toInt(nullptr, 16), "product");
    const QString made = vp.modelYear ? v.value("Model year")
                                      : v.value("Made in").section(" of ", -1);
    expect(made.toInt() == vp.year, "year");
    if (v.value("Made in").startsWith("week "))
        expect(v.value("Made in").section(' ', 1, 1).toInt() == vp.week, "week");
    if (def.gamma.gamma != 355 && v.contains("Gamma"))
        expect(qRound(v.value("Gamma").toDouble() * 100) == def.gamma.gamma, "gamma");
    const int h = screenHSize(def.screenSize.value), vs = screenVSize(def.screenSize.value);
    if (def.screenSize.mode == SCREEN_DIMENSIONS && h && vs)
        expect(v.value("Maximum image size") == QString("%1 cm x %2 cm").arg(h).arg(vs), "size");
    else if (def.screenSize.mode == SCREEN_DIMENSIONS && !h && !vs)
        expect(v.value("Maximum image size") == "variable", "variable size");
    if (ref.standardTimingsSeen) {
        QStringList mismatches;
        int shown = 0;
        for (const T_EDID_STANDARD_TIMING& t : def.standardTimings) {
            if (t.enabled && !sameStandardTiming(t, ref.standardTimings.value(shown++, "? ? 0")))
                mismatches << QString::number(t.hActive);
        }
        expect(mismatches.isEmpty() && shown == ref.standardTimings.size(), "standard timings");
    }
    static const char* const colours[] = {"Red", "Green", "Blue", "White"};
    for (int c = 0; c < 4; ++c) {
        const QStringList xy = v.value(colours[c]).split(", ");
        for (int i = 0; xy.size() == 2 && i < 2; ++i)
            expect(std::fabs(def.colorCharacteristics.codes[2 * c + i] / 1024.0 - xy[i].toDouble()) < 0.0001,
                   "chromaticity");
    }
}

void TestCorpus::checkDescriptors(const Byte* image, const T_EDID_DEF& def, const Reference& ref)
{
    if (ref.descriptors.size() != 4)
        return;
    const int revision = image[19] == 4 ? 4 : 3;
    for (int s = 0; s < 4; ++s) {
        const T_EDID_DISPLAY_DESCRIPTOR_DEF& d = def.displayDescriptors[s];
        const Entry& e = ref.descriptors.at(s);
        const QString where = QString("slot %1 (%2): ").arg(s).arg(e.title);
        if (int(d.type) != int(expectedType(e.title))) {
            expect(false, where + "type");
            continue;
        }
        if (d.type == DESC_DETAILED_TIMING)
            expect(checkTiming(d.detailedTiming, e).isEmpty(), where + "timing");
        else if (d.type == DESC_RANGE_LIMITS)
            expect(checkRangeLimits(d.rangeLimits, revision, e).isEmpty(), where + "range limits");
        else if (e.title.endsWith('\'') && (d.type == DESC_PRODUCT_NAME || d.type == DESC_SERIAL_NUMBER
                                            || d.type == DESC_DATA_STRING))
            expect(printable(d.text) == printable(e.title.section('\'', 1, -2)), where + "text");
        const Byte* loaded = image + descriptorOffset(s);
        Byte encoded[DESCRIPTOR_SIZE];
        encodeDisplayDescriptor(d, Word(revision), encoded);
        for (int offset : preservedOffsets(loaded, d.type, revision))
            expect(encoded[offset] == loaded[offset], where + QString("byte %1 re-encoded").arg(offset));
        // Decoding and encoding again changes nothing.
        T_EDID_DISPLAY_DESCRIPTOR_DEF again;
        decodeDisplayDescriptor(encoded, again);
        Byte twice[DESCRIPTOR_SIZE];
        encodeDisplayDescriptor(again, Word(revision), twice);
        expect(std::memcmp(encoded, twice, DESCRIPTOR_SIZE) == 0, where + "unstable encoding");
    }
}

void TestCorpus::checkEncode(const QByteArray& sample, const T_EDID_DEF& def)
{
    Byte image[EDID_BLOCK_SIZE];
    std::memcpy(image, sample.constData(), EDID_BLOCK_SIZE);
    const Word revision = def.revision == 3 ? 3 : 4;
    encodeVendorProduct(def.vendorProduct, image);
    encodeVideoInput(def.videoInput, revision, image);
    encodeScreenSize(def.screenSize, image);
    encodeGamma(def.gamma, image);
    encodeFeatureSupport(def.featureSupport, def.videoInput.isAnalog, image);
    encodeColorCharacteristics(def.colorCharacteristics, image);
    encodeEstablishedTimings(def.establishedTimings, image);
    for (int i = 0; i < STANDARD_TIMING_COUNT; ++i)
        encodeStandardTiming(def.standardTimings[i], image + STANDARD_TIMINGS_OFFSET + 2 * i);
    QByteArray expected = sample.left(EDID_BLOCK_SIZE);
    // A 1.3 digital input byte carries only the DFP flag; every unused
    // standard timing is written with the one unused code.
    if (revision == 3 && (expected[20] & 0x80))
        expected[20] = char(expected[20] & 0x81);
    for (int i = 0; i < STANDARD_TIMING_COUNT; ++i) {
        if (!def.standardTimings[i].enabled)
            expected.replace(STANDARD_TIMINGS_OFFSET + 2 * i, 2, "\x01\x01");
    }
    expect(QByteArray(reinterpret_cast<const char*>(image), EDID_BLOCK_SIZE) == expected, "sections re-encoded");
}

void TestCorpus::everyImage()
{
    const QStringList files = corpusFiles();
    if (files.isEmpty())
        QSKIP("reference EDID corpus not present");
    Images images;
    int loaded = 0;
    for (const QString& path : files) {
        m_name = QFileInfo(path).fileName();
        const QByteArray sample = readFileBytes(path).left(EDID_BLOCK_SIZE).leftJustified(EDID_IMAGE_SIZE, '\0');
        if (!images.load(sample))
            continue;
        ++loaded;
        const Reference ref = parseReference(referenceText(path));
        checkDecode(images.decoded, ref);
        checkDescriptors(images.saved, images.decoded, ref);
        checkEncode(sample, images.decoded);
    }
    QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.mid(0, 20).join('\n')));
    QVERIFY(loaded > 3000);
}

// The one load path: the core reads and corrects, the editors only show what
// it decided. Showing an opened image writes nothing, and the editors hand
// the hex viewer the lists with which the core (and the command-line tool)
// describes the sections.
void TestCorpus::coreLoadMatchesEditor()
{
    const QStringList files = corpusFiles();
    if (files.isEmpty())
        QSKIP("EDID corpus not present");
    BoxRecorder boxes(QMessageBox::Yes);
    Edid doc;
    Images images;
    int writes = 0;
    connect(&images.model, &ImageModel::written, [&writes] { ++writes; });
    HexaViewer* viewer = HexaViewer::instance();
    // Sections the editors describe while loading, by their place in describeImage.
    const QList<QPair<int, HexaViewer::Section>> described = {
        {2, VersionSection},
        {4, ColorSection}, {5, EstablishedSection},
        {7, DescriptorSection0}, {8, DescriptorSection1},
        {9, DescriptorSection2}, {10, DescriptorSection3},
        {11, ExtensionCountSection}};
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
        images.model.load(core);
        decodeBaseBlock(images.working, images.decoded);
        writes = 0;
        doc.setImages(images.saved, images.working);
        doc.initFields(images.decoded);
        doc.adaptToEDIDVersion(false);
        const QString& name = input.first;
        const QList<SectionDescription> sections = describeImage(core);
        for (const auto& pair : described) {
            FieldDescriptionList shown = viewer->description(pair.second);
            const FieldDescriptionList& expected = sections[pair.first].fields;
            if (expected.size() == 1)
                shown = shown.mid(0, 1);  // descriptor types described by their tag alone
            if (shown != expected)
                failures << QString("%1: %2 described differently").arg(name, sections[pair.first].name);
        }
        // Counted after the descriptions were read: reading one makes the
        // editor of a descriptor slot, which must write nothing either.
        if (writes != 0)
            failures << QString("%1: %2 writes while shown").arg(name).arg(writes);
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.mid(0, 20).join('\n')));
}

// Finishing an edit without changing a field's text writes nothing: the
// loaded bits stay, also those a shown value cannot express or a range check
// would refuse. Over chosen images and one corpus file per base block
// feature.
void TestCorpus::everyFieldReenteredChangesNoByte()
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
    Images loaded;
    QStringList failures;
    int count = 0;
    for (const auto& image : images) {
        if (!loaded.load(image.second.left(EDID_IMAGE_SIZE).leftJustified(EDID_IMAGE_SIZE, '\0')))
            continue;
        ++count;
        // A fresh, shown document (a slot makes its editor when shown); the
        // state after loading, with its own corrections, is the reference.
        QWidget host;
        Edid doc(Edid::Hosts{&host, &host});
        doc.setImages(loaded.saved, loaded.working);
        doc.initFields(loaded.decoded);
        doc.adaptToEDIDVersion(false);
        host.show();
        std::memcpy(loaded.saved, loaded.working, EDID_IMAGE_SIZE);
        boxes.clear();
        const QStringList changed = reenterEveryField(doc, loaded);
        if (!changed.isEmpty() || boxes.count() > 0)
            failures << image.first + ": " + changed.join(", ") + " " + boxes.lastText();
    }
    QVERIFY2(failures.isEmpty(),
             qPrintable(QString("%1 images:\n").arg(failures.size()) + failures.mid(0, 20).join('\n')));
    qInfo("%d images, %d of them from the corpus", count, int(files.size()));
    QVERIFY(count > files.size());
}

QTEST_MAIN(TestCorpus)
#include "tst_corpus.moc"
