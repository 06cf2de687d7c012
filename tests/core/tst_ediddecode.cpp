#include <QtTest>

#include "ceavic.h"
#include "ceavideo.h"
#include "coresupport.h"
#include "edidinfo.h"

#include <QRegularExpression>

// The full decode against the reference decodes of the corpus. The values
// that the reference decoder prints (the .txt beside each .bin) appear in
// our decode, on a line that names them: gamma, range limits, VICs, audio
// descriptors, speakers, the detailed timings of CTA-861 and DisplayID
// blocks and the blocks past the first; each family must reach 99 %, and
// the figures are printed. Fields of the blocks that this does not weigh
// are read from real files (DisplayID 2.0 parameters, tiled topology, Type
// VII timings and range limits, block maps, the HF-EEODB). And the VIC
// table that every VIC line is built from.

namespace {

// The value of the first field `field` in a section whose path contains
// `section`; a null string when there is none.
QString fieldValue(const DecodedNode& node, const QString& path, const QString& section, const QString& field)
{
    if (path.contains(section)) {
        for (const DecodedField& f : node.fields) {
            if (f.name == field)
                return f.value;
        }
    }
    for (const DecodedNode& child : node.children) {
        const QString value = fieldValue(child, path + " / " + child.name, section, field);
        if (!value.isNull())
            return value;
    }
    return QString();
}

// One value the reference prints: the block, a key that names it and the
// texts that must stand on the same line.
struct Expectation {
    QString family;
    int block;
    QString key;
    QStringList values;
};

struct File {
    QString name;
    QList<Expectation> expected;
    QHash<int, QStringList> lines;  // our "name: value" lines by block
};

QString normalised(const QString& text)
{
    return text.simplified().toLower();
}

void collectLines(const DecodedNode& node, QStringList& lines)
{
    for (const DecodedField& field : node.fields)
        lines << normalised(field.name + ": " + field.value);
    for (const DecodedNode& child : node.children)
        collectLines(child, lines);
}

// The parser of one reference decode: the block being read and the data
// block section inside it (a line of two spaces' indent ending in ':').
class ReferenceParser
{
public:
    explicit ReferenceParser(QList<Expectation>& out) : m_out(out) {}

    void line(const QString& text)
    {
        static const QRegularExpression blockLine("^Block (\\d+), (.+):$");
        static const QRegularExpression gamma("^\\s+Gamma: (\\d+\\.\\d+)$");
        static const QRegularExpression ranges(
            "^\\s+Monitor ranges \\(.*\\): (\\d+-\\d+ Hz V), (\\d+-\\d+ kHz H), (max dotclock \\d+ MHz)");
        static const QRegularExpression vic("^\\s+VIC\\s+(\\d+):\\s+(\\d+x\\d+i?)\\s+([\\d.]+ Hz)");
        static const QRegularExpression dtd(
            "^\\s+DTD\\s*(\\d*):\\s+(\\d+x\\d+i?)\\s+([\\d.]+ Hz)\\s+\\S+\\s+([\\d.]+ kHz)\\s+([\\d.]+ MHz)");
        static const QRegularExpression dmt("^\\s+DMT (0x[0-9a-f]+):\\s+(\\d+x\\d+i?)\\s+([\\d.]+ Hz)");
        static const QRegularExpression section("^  (\\S.*):$");
        QRegularExpressionMatch m;
        if ((m = blockLine.match(text)).hasMatch()) {
            m_block = m.captured(1).toInt();
            m_blockName = m.captured(2);
            if (m_block > 0)
                add("blocks", "Block " + m.captured(1), {blockKind(m_blockName)});
            return;
        }
        if ((m = section.match(text)).hasMatch())
            m_section = m.captured(1);
        if (m_block == 0 && (m = gamma.match(text)).hasMatch())
            add("gamma", "Gamma", {m.captured(1)});
        else if ((m = ranges.match(text)).hasMatch())
            add("range limits", "Monitor ranges", {m.captured(1), m.captured(2), m.captured(3)});
        else if ((m = vic.match(text)).hasMatch())
            add("VICs", "VIC " + m.captured(1), {m.captured(2), m.captured(3)});
        else if (m_blockName.contains("CTA-861") && (m = dtd.match(text)).hasMatch())
            add("CTA timings", "DTD " + m.captured(1), {m.captured(2), m.captured(3), m.captured(4), m.captured(5)});
        else if (m_blockName.contains("DisplayID") && (m = dtd.match(text)).hasMatch())
            add("DisplayID timings", "DTD", {m.captured(2), m.captured(3), m.captured(4), m.captured(5)});
        else if (m_blockName.contains("DisplayID") && (m = dmt.match(text)).hasMatch())
            add("DisplayID timings", "DMT " + m.captured(1), {m.captured(2), m.captured(3)});
        else if (m_section == "Audio Data Block")
            audioLine(text);
        else if (m_section == "Speaker Allocation Data Block" && text.startsWith("    ") && text.at(4) != ' ')
            add("speakers", "Speaker", {text.trimmed()});
    }

private:
    static QString blockKind(const QString& name)
    {
        static const QRegularExpression unknown("Unknown EDID Extension Block (0x[0-9a-f]+)");
        const QRegularExpressionMatch m = unknown.match(name);
        if (m.hasMatch())
            return m.captured(1);
        for (const char* kind : {"CTA-861", "DisplayID", "Block Map"}) {
            if (name.contains(kind))
                return kind;
        }
        return name;
    }

    void audioLine(const QString& text)
    {
        static const QRegularExpression format("^    (\\S.*):$");
        static const QRegularExpression detail(
            "^      (Max channels|Supported sample rates \\(kHz\\)|Supported sample sizes \\(bits\\)|Maximum bit rate): (.+)$");
        QRegularExpressionMatch m;
        if ((m = format.match(text)).hasMatch())
            add("audio", "Audio format", {m.captured(1)});
        else if ((m = detail.match(text)).hasMatch())
            add("audio", m.captured(1), {m.captured(2)});
    }

    void add(const QString& family, const QString& key, const QStringList& values)
    {
        m_out.append({family, m_block, key, values});
    }

    QList<Expectation>& m_out;
    int m_block = -1;
    QString m_blockName;
    QString m_section;
};

} // namespace

class TestEdidDecode : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void familyCoverage_data();
    void familyCoverage();
    void corpusFields_data();
    void corpusFields();
    void vicTableAgreesWithNames();
    void vicComboItemsRoundTrip();

private:
    QList<File> m_files;
};

void TestEdidDecode::initTestCase()
{
    for (const QString& name : corpusFiles()) {
        const QString reference = referenceText(name);
        const int decodeStart = reference.indexOf("\n----------------\n");
        if (decodeStart < 0)
            continue;
        File file;
        file.name = QFileInfo(name).fileName();
        ReferenceParser parser(file.expected);
        for (const QString& line : reference.mid(decodeStart).split('\n')) {
            if (line.startsWith("Warnings:") || line.startsWith("Failures:") || line.startsWith("EDID conformity"))
                break;
            parser.line(line);
        }
        Findings findings;
        const DecodedNode root = decodeEdid(readFileBytes(name), findings);
        for (int block = 0; block < root.children.size(); ++block) {
            QStringList& lines = file.lines[block];
            lines << normalised(root.children[block].name);
            collectLines(root.children[block], lines);
        }
        m_files.append(file);
    }
}

void TestEdidDecode::familyCoverage_data()
{
    QTest::addColumn<QString>("family");
    for (const char* family : {"gamma", "range limits", "VICs", "audio", "speakers", "CTA timings",
                               "DisplayID timings", "blocks"})
        QTest::newRow(family) << QString(family);
}

void TestEdidDecode::familyCoverage()
{
    if (m_files.isEmpty())
        QSKIP("EDID corpus not present");
    QFETCH(QString, family);
    int total = 0;
    QStringList missed;
    for (const File& file : qAsConst(m_files)) {
        for (const Expectation& e : file.expected) {
            if (e.family != family)
                continue;
            ++total;
            const QString key = normalised(e.key);
            bool found = false;
            for (const QString& line : file.lines.value(e.block)) {
                found = line.contains(key);
                for (const QString& value : e.values)
                    found = found && line.contains(normalised(value));
                if (found)
                    break;
            }
            if (!found)
                missed << QStringLiteral("%1 block %2: %3 %4").arg(file.name).arg(e.block).arg(e.key, e.values.join(" | "));
        }
    }
    const double share = total ? 100.0 * (total - missed.size()) / total : 100.0;
    qInfo("%-18s %6d values, %5.2f %% found", qPrintable(family), total, share);
    for (const QString& miss : missed.mid(0, 5))
        qInfo("  missed: %s", qPrintable(miss));
    QVERIFY(total > 0);
    QVERIFY2(share >= 99.0, qPrintable(QStringLiteral("%1 %% of %2").arg(share).arg(family)));
}

void TestEdidDecode::corpusFields_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");     // a part of the field's value
    const QString edo = "Digital__EDO__EDO0142__00EEF93B488D.bin";
    QTest::newRow("2.0 product id") << edo << "Product Identification Data Block (0x20)" << "OUI" << "84-8A-59";
    QTest::newRow("2.0 product year") << edo << "(0x20)" << "Made in" << "2023";
    QTest::newRow("2.0 image size") << edo << "Display Parameters Data Block (0x21)" << "Image size"
                                    << "300.0 mm x 200.0 mm";
    QTest::newRow("2.0 primary 1") << edo << "(0x21)" << "Primary 1" << "0.6846, 0.3154";
    QTest::newRow("2.0 luminance") << edo << "(0x21)" << "Minimum luminance" << "0.004 cd/m^2";
    QTest::newRow("2.0 depth") << edo << "(0x21)" << "Native color depth (bpc)" << "10";
    QTest::newRow("2.0 technology") << edo << "(0x21)" << "Display device technology" << "OLED";
    QTest::newRow("2.0 gamma") << edo << "(0x21)" << "Native gamma EOTF" << "2.20";
    QTest::newRow("interface bpc") << edo << "Interface Features" << "Supported bpc for YCbCr 4:2:2 encoding" << "8, 10";
    QTest::newRow("interface EOTF") << edo << "Interface Features" << "Color space and EOTF"
                                    << "DCI-P3, BT.2020/SMPTE ST 2084";
    QTest::newRow("CTA inside DisplayID") << edo << "CTA-861 DisplayID Data Block / Colorimetry" << "Colorimetry" << "BT2020RGB";
    const QString auo = "Digital__AU_Optronics__AUO56AD__6FB2B208AA74.bin";
    QTest::newRow("Type VII clock in kHz") << auo << "Type 7" << "Type VII DTD 1"
                                           << "1920x1080 144.000842 Hz 16:9 174.529 kHz 366.860000 MHz";
    QTest::newRow("Type VII porches") << auo << "Type 7" << "Type VII DTD 1 vertical"
                                      << "front porch 10, sync 5, back porch 117, polarity -";
    QTest::newRow("dynamic range clock") << auo << "Range Limits" << "Maximum pixel clock" << "366860 kHz";
    QTest::newRow("dynamic range refresh") << auo << "Range Limits" << "Vertical refresh" << "60-144 Hz";
    const QString apple = "Digital__Apple__APPAE22__7791A79DE7B8.bin";
    QTest::newRow("tiles") << apple << "Tiled Display Topology" << "Tiles" << "2 x 1";
    QTest::newRow("tile size") << apple << "Tiled Display Topology" << "Tile resolution" << "3008x3384";
    QTest::newRow("tile product") << apple << "Tiled Display Topology" << "Product code" << "44579";
    QTest::newRow("container id") << apple << "ContainerID" << "Container ID" << "6137cf3e-f87e-4fcd-a1cf-41283a5a8240";
    QTest::newRow("Type I preferred") << "Digital__ASUS__AUS2705__479620C2A059.bin" << "Block 2: DisplayID" << "Type I DTD 1"
                                      << "666.250000 MHz (aspect undefined, no 3D stereo, preferred)";
    QTest::newRow("1.x parameters") << "Digital__ASUS__AUS2705__479620C2A059.bin" << "(0x01)" << "Image size"
                                    << "597.0 mm x 336.0 mm";
    const QString dell = "Digital__Dell__DEL4284__438CF0F6703A.bin";
    QTest::newRow("block map") << dell << "Block 1: Block map" << "Block 3" << "DisplayID extension block";
    QTest::newRow("adaptive sync") << "Digital__BOE__BOE0C42__29751A903B6A.bin" << "Adaptive Sync"
                                   << "Adaptive sync range 1" << "48-165 Hz";
    QTest::newRow("range limits GTF") << "Analog__AOC__AOC1660__D2762E40AD8C.bin" << "Display Range Limits"
                                      << "Monitor ranges" << "57-70 Hz V, 30-60 kHz H, max dotclock 90 MHz (GTF)";
    QTest::newRow("VIC past 107") << "Digital__GIGABYTE__GBT3215__08CEE07E981E.bin" << "Video Data Block" << "VIC 118"
                                  << "3840x2160p 120Hz 16:9 - 3840x2160 120.000000 Hz 16:9 270.000 kHz 1188.000000 MHz";
}

void TestEdidDecode::corpusFields()
{
    QFETCH(QString, file);
    QFETCH(QString, section);
    QFETCH(QString, field);
    QFETCH(QString, value);
    const QByteArray bytes = corpusBytes(file);
    if (bytes.isEmpty())
        QSKIP("EDID corpus not present");
    Findings findings;
    const QString found = fieldValue(decodeEdid(bytes, findings), QString(), section, field);
    QVERIFY2(!found.isNull(), qPrintable(section + " / " + field));
    QVERIFY2(found.contains(value), qPrintable(found));
}

void TestEdidDecode::vicTableAgreesWithNames()
{
    // "3840x2160p 120Hz 16:9", "720(1440)x480i 60Hz 4:3", "1280x720p 59.94/60Hz 64:27"
    static const QRegularExpression name("^(\\d+)?\\(?(\\d*)\\)?x(\\d+)([ip]) .*?(\\d+)Hz +(\\d+:\\d+)$");
    int checked = 0;
    for (int vic = 1; vic <= 255; ++vic) {
        const CEAVicTiming* t = vicTiming(vic);
        QCOMPARE(t != nullptr, (vic <= 127 || (vic >= 193 && vic <= 219)));
        if (!t)
            continue;
        QCOMPARE(t->vic, vic);
        const QRegularExpressionMatch m = name.match(vicName(vic));
        QVERIFY2(m.hasMatch(), t->name);
        const int width = m.captured(1).isEmpty() ? m.captured(2).toInt() : m.captured(1).toInt();
        if (m.captured(2).isEmpty())
            QCOMPARE(t->hActive, width);
        QCOMPARE(t->vActive, m.captured(3).toInt());
        // The names kept from CEA-861-F call the progressive VICs 23, 24, 27 and 28 "288i".
        const bool namedInterlaced = m.captured(4) == "i" && !QList<int>{23, 24, 27, 28}.contains(vic);
        QCOMPARE(t->interlaced, namedInterlaced);
        QCOMPARE(QString(t->aspect), m.captured(6));
        // The named rate is the nominal one: 59.94 for 60 and the like.
        QVERIFY2(qAbs(t->vFrequencyHz() - m.captured(5).toDouble()) < 0.1 * m.captured(5).toDouble() / 100 + 0.07,
                 qPrintable(QStringLiteral("VIC %1: %2 Hz").arg(vic).arg(t->vFrequencyHz())));
        QVERIFY(t->hTotal > t->hActive && t->vTotal > t->vActive);
        ++checked;
    }
    QCOMPARE(checked, CEA_DEFINED_VIC_COUNT);
}

void TestEdidDecode::vicComboItemsRoundTrip()
{
    const QStringList items = vicComboItems();
    QCOMPARE(items.size(), CEA_OTHER_VIC_ITEM + 1);
    QCOMPARE(items.last(), QString("Other"));
    for (int vic = 1; vic <= 255; ++vic) {
        const int item = vicComboItem(vic);
        QCOMPARE(vicOfComboItem(item), vicDefined(vic) ? vic : 0);
        if (vicDefined(vic))
            QCOMPARE(items.at(item), vicName(vic));
    }
    // CTA-861-H short video descriptors: 129-192 native, 193 on a VIC.
    QCOMPARE(svdVicCode(0x90), 16);
    QVERIFY(svdIsNative(0x90) && !svdIsNative(0x10) && !svdIsNative(0xC1));
    QCOMPARE(svdVicCode(0xC1), 193);
    QCOMPARE(svdVicCode(0x76), 118);
}

QTEST_GUILESS_MAIN(TestEdidDecode)
#include "tst_ediddecode.moc"
