#ifndef DECODECONTEXT_H
#define DECODECONTEXT_H

#include "decodedtree.h"
#include "edidtypes.h"
#include "fieldtext.h"
#include "rangelimits.h"

#include <QByteArray>

// State shared by the block decoders of one file: the file bytes, the
// findings, the timings seen so far (checked against the range limits at
// the end) and the numbering of detailed timings across blocks.

// The rates of one timing, as the range limits check needs them.
struct TimingRates {
    QString name;       // "DTD 1", "VIC 16", ...
    int block = 0;
    int offset = -1;
    double vHz = 0;
    double hKHz = 0;
    double clockMHz = 0;
    // The preferred timing (the first detailed timing of the base block)
    // must lie within the limits; displays list others beyond them.
    bool preferred = false;
};

struct DecodeContext {
    const Byte* bytes = nullptr;    // the whole file
    int size = 0;
    int block = 0;                  // block being decoded
    Findings findings;
    QList<TimingRates> timings;
    bool hasRangeLimits = false;
    T_EDID_RANGE_LIMITS rangeLimits;
    int rangeLimitsOffset = -1;
    int edidRevision = 4;
    int detailedTimingCount = 0;    // DTDs numbered through the file, as "DTD n"
    int eeodbCount = -1;            // extension count of an HF-EEODB, -1 when none

    void fail(int offset, int length, const QString& message)
    {
        findings.append({Finding::Failure, block, offset, length, message});
    }
    void warn(int offset, int length, const QString& message)
    {
        findings.append({Finding::Warning, block, offset, length, message});
    }
};

// Text helpers shared by the block decoders.
QString hertz(double hz);                         // "59.940060 Hz"
QString kiloHertz(double khz);                    // "31.469 kHz"
QString megaHertz(double mhz);                    // "25.175000 MHz"
// "16:9" from the active size, reduced by their greatest common divisor.
QString aspectOf(int width, int height);
// Bits of `value` named by `names` (bit 0 first), joined by ", "; "none".
QString bitNames(unsigned value, const char* const* names, int count);
// A node for `length` bytes at absolute `offset`.
DecodedNode sectionNode(const QString& name, int offset, int length);

// Adds a detailed timing (E-EDID and CTA-861 18-byte form) at absolute
// `offset` to `node`: its summary "DTD n" line and every field, and
// records its rates. `dtd` points to its 18 bytes.
void describeDetailedTiming(DecodeContext& context, const Byte* dtd, int offset, DecodedNode& node);

// A timing's summary as the DTD lines show it:
// "1920x1080 60.000000 Hz 16:9 67.500 kHz 148.500000 MHz".
QString timingSummary(int hActive, int vActive, bool interlaced, double vHz, double hKHz, double clockMHz,
                      const QString& aspect);

// The CTA-861 data block collection in `bytes[from, to)` (absolute file
// offsets), one child of `parent` per block. Used by the CTA-861 extension
// and by the CTA data block of DisplayID. A last block that runs past `to`
// is still decoded when it ends before `hardEnd`.
void describeCtaCollection(DecodeContext& context, int from, int to, int hardEnd, DecodedNode& parent);

// Decoders of the block families. Each reads the 128 bytes at
// `context.block * 128` and returns the block's node.
DecodedNode decodeBaseBlockNode(DecodeContext& context);
DecodedNode decodeCtaBlock(DecodeContext& context);
DecodedNode decodeDisplayIdBlock(DecodeContext& context);

#endif
