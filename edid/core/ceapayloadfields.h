#ifndef CEAPAYLOADFIELDS_H
#define CEAPAYLOADFIELDS_H

#include "decodedtree.h"
#include "edidtypes.h"
#include "fieldtext.h"

#include <QByteArray>
#include <QString>

// Field tables for CTA-861 data block payloads of a fixed layout, and the
// decode and encode that every codec of those blocks shares.
//
// A payload ("what follows the header byte") is split into groups of bytes:
// the mandatory bytes, then optional groups that a block carries or not
// depending on its length. A group is there when the payload reaches its
// first byte; a record flag says whether the record wants it.
//
// Encoding starts from the bytes the record was decoded from and changes
// only what the record changed: an unchanged record gives its bytes back
// (reserved bits, unknown and trailing bytes included), an edited field
// rewrites only its own bits, a group the record now wants is appended
// (zero-filled to its full length), and one it no longer wants is cut off
// with everything after it. A group that is no longer wanted but followed
// by a wanted one cannot be cut: its fields are written as 0, the value
// CTA-861 and HDMI use for "not given".

template <typename R> struct PayloadGroup {
    bool R::*present;  // nullptr for the mandatory bytes
    int first;         // first byte of the group
    int end;           // payload length with the whole group
};

// A one-bit field. `name` is what a reader sees for it in a decoded block.
template <typename R> struct PayloadFlag {
    const char* name;
    bool R::*member;
    int byte;
    int bit;
};

// A field of `width` bits from bit `shift` of byte `byte`, holding bits
// `valueShift` and up of the stored code; the record value is code x scale.
// A value that spans two bytes has one entry per byte.
template <typename R> struct PayloadValue {
    int R::*member;
    int byte;
    int shift;
    int width;
    int valueShift;
    int scale;
};

template <typename R> struct PayloadLayout {
    const PayloadGroup<R>* groups;  // in byte order, the mandatory bytes first
    int groupCount;
    const PayloadFlag<R>* flags;
    int flagCount;
    const PayloadValue<R>* values;
    int valueCount;
};

template <typename R, int G, int F, int V>
constexpr PayloadLayout<R> payloadLayout(const PayloadGroup<R> (&groups)[G], const PayloadFlag<R> (&flags)[F],
                                         const PayloadValue<R> (&values)[V])
{
    return {groups, G, flags, F, values, V};
}

inline int payloadByte(const QByteArray& payload, int i)
{
    return i >= 0 && i < payload.size() ? Byte(payload.at(i)) : 0;
}

// Pads `bytes` with zeros up to `size`; a missing leading `prefix` (an OUI,
// an extended tag) is written as well.
void growPayload(QByteArray& bytes, int size, const QByteArray& prefix);

namespace payloadfields {

template <typename R> int groupOf(const PayloadLayout<R>& layout, int byte)
{
    int group = 0;
    for (int g = 0; g < layout.groupCount; ++g) {
        if (layout.groups[g].first <= byte)
            group = g;
    }
    return group;
}

template <typename R> bool wants(const PayloadLayout<R>& layout, const R& record, int group)
{
    const bool R::*present = layout.groups[group].present;
    return present == nullptr || record.*present;
}

template <typename R>
void resizeGroups(const PayloadLayout<R>& layout, const R& record, const R& old, QByteArray& bytes,
                  const QByteArray& prefix)
{
    for (int g = 0; g < layout.groupCount; ++g) {
        const PayloadGroup<R>& group = layout.groups[g];
        if (group.present == nullptr || record.*group.present == old.*group.present)
            continue;
        if (record.*group.present) {
            growPayload(bytes, group.end, prefix);
            continue;
        }
        bool laterWanted = false;
        for (int later = g + 1; later < layout.groupCount; ++later)
            laterWanted = laterWanted || wants(layout, record, later);
        if (!laterWanted && bytes.size() > group.first)
            bytes.truncate(group.first);
    }
}

// Writes `bits` at `byte`, first growing the payload to the end of the
// byte's group when it is too short; a write of 0 to a byte the payload
// lacks changes nothing.
template <typename R>
void writeBits(const PayloadLayout<R>& layout, QByteArray& bytes, int byte, int shift, int width, int bits,
               const QByteArray& prefix)
{
    const int field = bits & ((1 << width) - 1);  // a value too wide for its field keeps its low bits
    if (byte >= bytes.size()) {
        if (field == 0)
            return;
        growPayload(bytes, layout.groups[groupOf(layout, byte)].end, prefix);
    }
    bytes[byte] = char((Byte(bytes.at(byte)) & ~(((1 << width) - 1) << shift)) | field << shift);
}

} // namespace payloadfields

// Reads the fields of `layout` from `record.payload` into `record`; bytes
// the payload lacks read as 0, and a group is present when the payload
// reaches its first byte.
template <typename R> void decodePayloadFields(const PayloadLayout<R>& layout, R& record)
{
    const QByteArray& payload = record.payload;
    for (int g = 0; g < layout.groupCount; ++g) {
        if (layout.groups[g].present)
            record.*layout.groups[g].present = payload.size() > layout.groups[g].first;
    }
    for (int f = 0; f < layout.flagCount; ++f) {
        const PayloadFlag<R>& flag = layout.flags[f];
        record.*flag.member = payloadByte(payload, flag.byte) & (1 << flag.bit);
    }
    for (int v = 0; v < layout.valueCount; ++v)
        record.*layout.values[v].member = 0;
    for (int v = 0; v < layout.valueCount; ++v) {
        const PayloadValue<R>& value = layout.values[v];
        const int bits = (payloadByte(payload, value.byte) >> value.shift) & ((1 << value.width) - 1);
        record.*value.member += (bits << value.valueShift) * value.scale;
    }
}

// A record of `layout` read from `payload`, as decodePayloadFields reads it.
template <typename R> R decodedPayloadFields(const PayloadLayout<R>& layout, const QByteArray& payload)
{
    R record;
    record.payload = payload;
    decodePayloadFields(layout, record);
    return record;
}

// The bytes of `record` as described above; `old` is the record decoded
// from `record.payload`, `prefix` the payload's leading identification
// bytes (written when a payload shorter than them grows).
template <typename R>
QByteArray encodePayloadFields(const PayloadLayout<R>& layout, const R& record, const R& old,
                               const QByteArray& prefix)
{
    using namespace payloadfields;
    QByteArray bytes = record.payload;
    resizeGroups(layout, record, old, bytes, prefix);
    for (int f = 0; f < layout.flagCount; ++f) {
        const PayloadFlag<R>& flag = layout.flags[f];
        const bool on = wants(layout, record, groupOf(layout, flag.byte)) && record.*flag.member;
        if (on != old.*flag.member)
            writeBits(layout, bytes, flag.byte, flag.bit, 1, on ? 1 : 0, prefix);
    }
    for (int v = 0; v < layout.valueCount; ++v) {
        const PayloadValue<R>& value = layout.values[v];
        const int wanted = wants(layout, record, groupOf(layout, value.byte)) ? record.*value.member : 0;
        if (wanted == old.*value.member)
            continue;
        const int code = wanted / value.scale;
        writeBits(layout, bytes, value.byte, value.shift, value.width, code >> value.valueShift, prefix);
    }
    return bytes;
}

// The names and bytes of the flags of `layout` that `record.payload`
// holds, each as one field of `node` ("yes" or "no"); `payloadOffset` is
// the absolute offset of payload byte 0.
template <typename R>
void describePayloadFlags(const PayloadLayout<R>& layout, const R& record, int payloadOffset, int firstByte,
                          int lastByte, DecodedNode& node)
{
    for (int f = 0; f < layout.flagCount; ++f) {
        const PayloadFlag<R>& flag = layout.flags[f];
        if (flag.byte >= firstByte && flag.byte <= lastByte && flag.byte < record.payload.size())
            node.add(QString::fromLatin1(flag.name),
                     record.*flag.member ? QStringLiteral("yes") : QStringLiteral("no"),
                     payloadOffset + flag.byte);
    }
}

// Allowed values of an editable number, as a view offers them: `minimum`
// to `maximum` in steps of `step`, and 0 as well when `zeroAllowed` (the
// "not given" value of many fields).
struct FieldRange {
    const char* name;
    int minimum;
    int maximum;
    int step;
    const char* unit;
    bool zeroAllowed;
};

// Empty when `value` is allowed, else the message a view shows, e.g.
// "Max TMDS clock must be 0 or 5 to 1275 MHz in steps of 5 MHz.".
QString fieldRangeProblem(const FieldRange& range, int value);

// Payload bytes after the header byte that a data block can hold.
constexpr int CEA_MAX_BLOCK_PAYLOAD = 31;
// Empty when a payload of `size` bytes fits a data block, else the message.
QString payloadSizeProblem(int size);

// Adds a finding about the data block whose payload starts at the absolute
// offset `payloadOffset`, for `length` bytes from payload byte `byte`.
void addFinding(Findings& findings, Finding::Level level, int payloadOffset, int byte, int length,
                const QString& message);
// The trailing-bytes warning: `count` bytes from payload byte `byte` that no
// field of the block covers.
void addTrailingFinding(Findings& findings, const QString& blockName, int payloadOffset, int byte, int count);
// The field for payload bytes no field covers, if there are any.
void addTrailingField(DecodedNode& node, const QByteArray& payload, int from, int payloadOffset);

#endif
