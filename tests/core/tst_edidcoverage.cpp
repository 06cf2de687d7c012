#include <QtTest>

#include "edidinfo.h"
#include "coresupport.h"

#include <QRegularExpression>

// The values that the reference decoder prints for the corpus EDIDs (the
// .txt beside each .bin) appear in our decode, on a line that names them:
// gamma, range limits, VICs, audio descriptors, speakers, the detailed
// timings of CTA-861 and DisplayID blocks and the blocks past the first.
// Each family must reach 99 %; the figures are printed.

namespace {

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

class TestEdidCoverage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void familyCoverage_data();
    void familyCoverage();

private:
    QList<File> m_files;
};

void TestEdidCoverage::initTestCase()
{
    const QStringList names = corpusFiles();
    if (names.isEmpty())
        QSKIP("EDID corpus not present");
    for (const QString& name : names) {
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

void TestEdidCoverage::familyCoverage_data()
{
    QTest::addColumn<QString>("family");
    for (const char* family : {"gamma", "range limits", "VICs", "audio", "speakers", "CTA timings",
                               "DisplayID timings", "blocks"})
        QTest::newRow(family) << QString(family);
}

void TestEdidCoverage::familyCoverage()
{
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

QTEST_GUILESS_MAIN(TestEdidCoverage)
#include "tst_edidcoverage.moc"
