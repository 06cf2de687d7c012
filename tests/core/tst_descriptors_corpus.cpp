// Every descriptor slot of the reference EDIDs: classified and decoded as
// the reference decodes say, and encoded back to its bytes.
#include "descriptors.h"
#include "edidrecords.h"
#include "textdescriptor.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>
#include <cstring>

namespace {

struct Entry {
    QString title;        // first line, without indentation
    QStringList details;  // indented lines that follow
};

// The descriptor entries of the base block part of a reference decode.
QList<Entry> baseBlockEntries(const QString& text)
{
    QList<Entry> entries;
    bool inBase = false;
    bool inDescriptors = false;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Block 0,")))
            inBase = true;
        else if (!line.startsWith(QLatin1Char(' ')))
            inBase = inDescriptors = false;
        if (!inBase)
            continue;
        if (line == QLatin1String("  Detailed Timing Descriptors:")) {
            inDescriptors = true;
            continue;
        }
        if (!inDescriptors)
            continue;
        if (!line.startsWith(QLatin1String("    "))) {
            inDescriptors = false;
            continue;
        }
        if (line.at(4) != QLatin1Char(' '))
            entries.append({line.trimmed(), {}});
        else if (!entries.isEmpty())
            entries.last().details.append(line.trimmed());
    }
    return entries;
}

// The reference prints a text up to its first byte that is not printable
// ASCII, without trailing blanks; the editor keeps every byte.
QString referenceForm(QString s)
{
    for (int i = 0; i < s.size(); ++i) {
        if (s.at(i).unicode() < 0x20 || s.at(i).unicode() > 0x7E) {
            s.truncate(i);
            break;
        }
    }
    while (!s.isEmpty() && s.at(s.size() - 1).isSpace())
        s.chop(1);
    return s;
}

QString quoted(const QString& title)
{
    const int first = title.indexOf(QLatin1Char('\''));
    if (first < 0 || !title.endsWith(QLatin1Char('\'')) || title.size() - first < 2)
        return QString();
    return title.mid(first + 1, title.size() - first - 2);
}

T_EDID_DISPLAY_DESCRIPTORS expectedType(const QString& title)
{
    static const QList<QPair<QString, T_EDID_DISPLAY_DESCRIPTORS>> prefixes = {
        {"DTD", DESC_DETAILED_TIMING},
        {"Detailed mode", DESC_DETAILED_TIMING}, // a non-zero clock with unusable values
        {"Display Product Serial Number", DESC_SERIAL_NUMBER},
        {"Alphanumeric Data String", DESC_DATA_STRING},
        {"Display Range Limits", DESC_RANGE_LIMITS},
        {"Display Product Name", DESC_PRODUCT_NAME},
        {"Color Point Data", DESC_COLOR_POINT},
        {"Standard Timing Identifications", DESC_STANDARD_TIMINGS},
        {"Display Color Management Data", DESC_DCM},
        {"CVT 3 Byte Timing Codes", DESC_CVT_TIMINGS},
        {"Established timings III", DESC_ESTABLISHED_TIMINGS_III},
        {"Empty Descriptor", DESC_UNUSED},
        {"Dummy Descriptor", DESC_UNUSED},
        {"Manufacturer-Specified Display Descriptor", DESC_UNKNOWN},
        {"Unknown Display Descriptor", DESC_UNKNOWN},
        {"EPI Descriptor", DESC_UNKNOWN}, // a manufacturer tag with a known layout
    };
    for (const auto& p : prefixes) {
        if (title.startsWith(p.first))
            return p.second;
    }
    return T_EDID_DISPLAY_DESCRIPTORS(-1);
}

QString bytesHex(const Byte* b, int n)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(b), n).toHex(' '));
}

// Compares a detailed timing with the reference's three lines.
QString checkTiming(const T_EDID_DETAILED_TIMING_DEF& t, const Entry& e)
{
    static const QRegularExpression head(QStringLiteral("^DTD +\\d+: +(\\d+)x(\\d+)(i?) .* ([0-9.]+) MHz"));
    static const QRegularExpression size(QStringLiteral("(\\d+) mm x (\\d+) mm"));
    static const QRegularExpression porches(QStringLiteral("^[HV]front +(-?\\d+) [HV]sync +(\\d+) [HV]back +(-?\\d+)"));
    if (e.title.startsWith(QLatin1String("Detailed mode")))
        return QString();
    const QRegularExpressionMatch m = head.match(e.title);
    if (!m.hasMatch() || e.details.size() < 2)
        return QStringLiteral("unreadable reference: ") + e.title;
    const bool interlaced = !m.captured(3).isEmpty();
    QStringList errors;
    auto expect = [&](const char* what, long long mine, long long reference) {
        if (mine != reference)
            errors << QStringLiteral("%1 %2 != %3").arg(what).arg(mine).arg(reference);
    };
    expect("h active", t.hActive, m.captured(1).toInt());
    expect("v active", t.vActive * (interlaced ? 2 : 1), m.captured(2).toInt());
    expect("interlaced", t.interlaced, interlaced);
    expect("clock", t.pixelClock, qRound64(m.captured(4).toDouble() * 100.0));
    const QRegularExpressionMatch s = size.match(e.title);
    if (s.hasMatch()) {
        expect("h size", t.hImageSize, s.captured(1).toInt());
        expect("v size", t.vImageSize, s.captured(2).toInt());
    }
    const QRegularExpressionMatch h = porches.match(e.details.at(0));
    const QRegularExpressionMatch v = porches.match(e.details.at(1));
    if (!h.hasMatch() || !v.hasMatch())
        return QStringLiteral("unreadable porches");
    expect("h front", t.hFrontPorch, h.captured(1).toInt());
    expect("h sync", t.hSyncWidth, h.captured(2).toInt());
    // The reference counts the borders (on both sides) out of the back porches.
    expect("h back", qint16(t.hBackPorch) - 2 * t.hBorder, h.captured(3).toInt());
    expect("v front", t.vFrontPorch, v.captured(1).toInt());
    expect("v sync", t.vSyncWidth, v.captured(2).toInt());
    expect("v back", qint16(t.vBackPorch) - 2 * t.vBorder, v.captured(3).toInt());
    return errors.join(QStringLiteral(", "));
}

QString checkRangeLimits(const T_EDID_RANGE_LIMITS& l, int revision, const Entry& e)
{
    static const QRegularExpression ranges(QStringLiteral(
        "^Monitor ranges \\((.*)\\): (\\d+)-(\\d+) Hz V, (\\d+)-(\\d+) kHz H, max dotclock (\\d+) MHz"));
    QRegularExpressionMatch m;
    for (const QString& line : e.details) {
        m = ranges.match(line);
        if (m.hasMatch())
            break;
    }
    if (!m.hasMatch())
        return QStringLiteral("no ranges line");
    QStringList errors;
    auto expect = [&](const char* what, int mine, int reference) {
        if (mine != reference)
            errors << QStringLiteral("%1 %2 != %3").arg(what).arg(mine).arg(reference);
    };
    expect("min V", l.minVRate, m.captured(2).toInt());
    expect("max V", l.maxVRate, m.captured(3).toInt());
    expect("min H", l.minHRate, m.captured(4).toInt());
    expect("max H", l.maxHRate, m.captured(5).toInt());
    expect("clock", l.maxPixelClock, m.captured(6).toInt());
    const QString kind = m.captured(1);
    int support = RANGE_DEFAULT_GTF;
    if (kind == QLatin1String("Secondary GTF"))
        support = RANGE_SECONDARY_GTF;
    else if (revision == 4 && kind == QLatin1String("Bare Limits"))
        support = RANGE_LIMITS_ONLY;
    else if (revision == 4 && kind == QLatin1String("CVT"))
        support = RANGE_CVT;
    expect("timing support", l.timingSupport, support);
    if (support == RANGE_CVT) {
        for (const QString& line : e.details) {
            if (line.startsWith(QLatin1String("Max active pixels per line: ")))
                expect("max active pixels", l.maxActivePixels, line.section(QLatin1Char(' '), -1).toInt());
            if (line.startsWith(QLatin1String("CVT version ")))
                expect("CVT version", l.cvtVersion * 10 + l.cvtRevision,
                       qRound(line.section(QLatin1Char(' '), -1).toDouble() * 10));
        }
    }
    return errors.join(QStringLiteral(", "));
}

// Bytes that decoding and encoding must give back unchanged.
QList<int> preservedOffsets(const Byte* d, T_EDID_DISPLAY_DESCRIPTORS type, int revision)
{
    QList<int> offsets;
    auto range = [&](int first, int last) {
        for (int i = first; i <= last; ++i)
            offsets << i;
    };
    switch (type) {
    case DESC_DETAILED_TIMING:
    case DESC_UNKNOWN:
        range(0, 17);
        break;
    case DESC_RANGE_LIMITS:
        range(5, 9);
        if (d[10] == 0x02)
            range(12, 17), offsets << 10; // byte 11 is reserved and written 0
        if (revision == 4 && d[10] == 0x04)
            range(10, 14), offsets << 17;
        break;
    case DESC_COLOR_POINT:
        range(5, 14);
        break;
    case DESC_STANDARD_TIMINGS:
        // An unused code (first byte 0x01, or 0x00 which is no valid width)
        // is written 0x01 0x00 whatever its second byte held.
        for (int i = 5; i < 17; i += 2) {
            if (d[i] != 0x00)
                offsets << i;
            if (d[i] > 0x01)
                offsets << i + 1;
        }
        break;
    case DESC_DCM:
        range(6, 17);
        break;
    case DESC_CVT_TIMINGS:
    case DESC_ESTABLISHED_TIMINGS_III:
        range(6, 10);
        break;
    default:
        break;
    }
    return offsets;
}

} // namespace

class TestDescriptorsCorpus : public QObject {
    Q_OBJECT
private slots:
    void corpus();
};

void TestDescriptorsCorpus::corpus()
{
    const QDir dir(QStringLiteral(EDID_CORPUS_DIR));
    if (!dir.exists())
        QSKIP("reference EDID corpus not present");
    int images = 0, slotsChecked = 0, timings = 0, ranges = 0, texts = 0, layoutSkipped = 0;
    QStringList failures;
    for (const QString& name : dir.entryList({QStringLiteral("*.bin")}, QDir::Files, QDir::Name)) {
        QFile bin(dir.filePath(name));
        QFile txt(dir.filePath(name.left(name.size() - 4) + QStringLiteral(".txt")));
        if (!bin.open(QIODevice::ReadOnly) || !txt.open(QIODevice::ReadOnly))
            continue;
        QByteArray image = bin.read(256);
        image = image.leftJustified(256, '\0');
        const Byte* bytes = reinterpret_cast<const Byte*>(image.constData());
        T_EDID_DEF decoded;
        if (!decodeBaseBlock(bytes, decoded))
            continue;
        ++images;
        const int revision = bytes[19] == 4 ? 4 : 3;
        const QList<Entry> entries = baseBlockEntries(QString::fromUtf8(txt.readAll()));
        if (entries.size() != 4) {
            ++layoutSkipped;
            continue;
        }
        for (int s = 0; s < 4; ++s) {
            const T_EDID_DISPLAY_DESCRIPTOR_DEF& d = decoded.displayDescriptors[s];
            const Entry& e = entries.at(s);
            const QString where = QStringLiteral("%1 slot %2 (%3): ").arg(name).arg(s).arg(e.title);
            ++slotsChecked;
            if (int(d.type) != int(expectedType(e.title))) {
                failures << where + QStringLiteral("type %1").arg(int(d.type));
                continue;
            }
            QString error;
            if (d.type == DESC_DETAILED_TIMING) {
                error = checkTiming(d.detailedTiming, e);
                ++timings;
            } else if (d.type == DESC_RANGE_LIMITS) {
                error = checkRangeLimits(d.rangeLimits, revision, e);
                ++ranges;
            } else if (d.type == DESC_PRODUCT_NAME || d.type == DESC_SERIAL_NUMBER || d.type == DESC_DATA_STRING) {
                const QString reference = quoted(e.title);
                if (!reference.isNull()) {
                    ++texts;
                    if (referenceForm(d.text) != referenceForm(reference))
                        error = QStringLiteral("text '%1'").arg(d.text);
                }
            }
            const Byte* loaded = bytes + descriptorOffset(s);
            Byte encoded[DESCRIPTOR_SIZE];
            encodeDisplayDescriptor(d, Word(revision), encoded);
            for (int offset : preservedOffsets(loaded, d.type, revision)) {
                if (encoded[offset] != loaded[offset]) {
                    error += QStringLiteral(" re-encoded %1 != %2").arg(bytesHex(encoded, 18), bytesHex(loaded, 18));
                    break;
                }
            }
            // A re-encoded descriptor is stable: decoding and encoding it again changes nothing.
            T_EDID_DISPLAY_DESCRIPTOR_DEF again;
            decodeDisplayDescriptor(encoded, again);
            Byte twice[DESCRIPTOR_SIZE];
            encodeDisplayDescriptor(again, Word(revision), twice);
            if (std::memcmp(encoded, twice, DESCRIPTOR_SIZE) != 0)
                error += QStringLiteral(" unstable encoding");
            if (!error.isEmpty())
                failures << where + error;
        }
    }
    qInfo("%d images, %d slots, %d timings, %d range limits, %d texts compared; %d decodes without four entries",
          images, slotsChecked, timings, ranges, texts, layoutSkipped);
    for (const QString& failure : failures.mid(0, 20))
        qWarning("%s", qPrintable(failure));
    QVERIFY(images > 3000);
    QVERIFY(layoutSkipped < images / 100);
    QCOMPARE(failures.size(), 0);
}

QTEST_APPLESS_MAIN(TestDescriptorsCorpus)
#include "tst_descriptors_corpus.moc"
