#include "detailedtiming.h"

#include <QStringList>

namespace {

int lowByte(int value) { return value & 0xFF; }
int bits(int value, int shift, int mask) { return (value >> shift) & mask; }

template <typename To, typename From>
void assign(To& to, From from) { to = To(from); }

// Copies the fields that the record and the edited values both hold; they
// differ in totals and back porches against blankings.
template <typename From, typename To>
void copyCommonFields(const From& from, To& to)
{
    assign(to.pixelClock, from.pixelClock);
    assign(to.hActive, from.hActive);
    assign(to.hFrontPorch, from.hFrontPorch);
    assign(to.hSyncWidth, from.hSyncWidth);
    assign(to.vActive, from.vActive);
    assign(to.vFrontPorch, from.vFrontPorch);
    assign(to.vSyncWidth, from.vSyncWidth);
    assign(to.hImageSize, from.hImageSize);
    assign(to.vImageSize, from.vImageSize);
    assign(to.hBorder, from.hBorder);
    assign(to.vBorder, from.vBorder);
    assign(to.interlaced, from.interlaced);
    assign(to.stereoCode, from.stereoCode);
    assign(to.syncType, from.syncType);
    assign(to.syncFlagBit2, from.syncFlagBit2);
    assign(to.syncFlagBit1, from.syncFlagBit1);
}

} // namespace

void decodeDetailedTiming(const Byte* d, T_EDID_DETAILED_TIMING_DEF& out)
{
    out = T_EDID_DETAILED_TIMING_DEF();
    out.pixelClock = quint32(d[0] | (d[1] << 8));
    out.hActive = Word(d[2] | (bits(d[4], 4, 0xF) << 8));
    const int hBlank = d[3] | (bits(d[4], 0, 0xF) << 8);
    out.vActive = Word(d[5] | (bits(d[7], 4, 0xF) << 8));
    const int vBlank = d[6] | (bits(d[7], 0, 0xF) << 8);
    out.hFrontPorch = Word(d[8] | (bits(d[11], 6, 3) << 8));
    out.hSyncWidth = Word(d[9] | (bits(d[11], 4, 3) << 8));
    out.vFrontPorch = Word(bits(d[10], 4, 0xF) | (bits(d[11], 2, 3) << 4));
    out.vSyncWidth = Word(bits(d[10], 0, 0xF) | (bits(d[11], 0, 3) << 4));
    out.hImageSize = Word(d[12] | (bits(d[14], 4, 0xF) << 8));
    out.vImageSize = Word(d[13] | (bits(d[14], 0, 0xF) << 8));
    out.hBorder = d[15];
    out.vBorder = d[16];
    const Byte flags = d[17];
    out.interlaced = (flags & 0x80) != 0;
    out.stereoCode = bits(flags, 5, 3) * 2 + (flags & 1);
    out.syncType = bits(flags, 3, 3);
    out.syncFlagBit2 = (flags & 0x04) != 0;
    out.syncFlagBit1 = (flags & 0x02) != 0;
    out.hTotal = Word(out.hActive + hBlank);
    out.vTotal = Word(out.vActive + vBlank);
    out.hBackPorch = Word(hBlank - out.hFrontPorch - out.hSyncWidth);
    out.vBackPorch = Word(vBlank - out.vFrontPorch - out.vSyncWidth);
}

void encodeDetailedTiming(const T_EDID_DETAILED_TIMING_DEF& t, Byte* d)
{
    const int hBlank = t.hBlanking();
    const int vBlank = t.vBlanking();
    d[0] = Byte(lowByte(int(t.pixelClock)));
    d[1] = Byte(lowByte(int(t.pixelClock >> 8)));
    d[2] = Byte(lowByte(t.hActive));
    d[3] = Byte(lowByte(hBlank));
    d[4] = Byte((bits(t.hActive, 8, 0xF) << 4) | bits(hBlank, 8, 0xF));
    d[5] = Byte(lowByte(t.vActive));
    d[6] = Byte(lowByte(vBlank));
    d[7] = Byte((bits(t.vActive, 8, 0xF) << 4) | bits(vBlank, 8, 0xF));
    d[8] = Byte(lowByte(t.hFrontPorch));
    d[9] = Byte(lowByte(t.hSyncWidth));
    d[10] = Byte((bits(t.vFrontPorch, 0, 0xF) << 4) | bits(t.vSyncWidth, 0, 0xF));
    d[11] = Byte((bits(t.hFrontPorch, 8, 3) << 6) | (bits(t.hSyncWidth, 8, 3) << 4)
                 | (bits(t.vFrontPorch, 4, 3) << 2) | bits(t.vSyncWidth, 4, 3));
    d[12] = Byte(lowByte(t.hImageSize));
    d[13] = Byte(lowByte(t.vImageSize));
    d[14] = Byte((bits(t.hImageSize, 8, 0xF) << 4) | bits(t.vImageSize, 8, 0xF));
    d[15] = Byte(lowByte(t.hBorder));
    d[16] = Byte(lowByte(t.vBorder));
    d[17] = Byte((t.interlaced ? 0x80 : 0) | (bits(t.stereoCode, 1, 3) << 5) | (t.stereoCode & 1)
                 | (bits(t.syncType, 0, 3) << 3) | (t.syncFlagBit2 ? 0x04 : 0)
                 | (t.syncFlagBit1 ? 0x02 : 0));
}

DetailedTimingValues detailedTimingValues(const T_EDID_DETAILED_TIMING_DEF& t)
{
    DetailedTimingValues v;
    copyCommonFields(t, v);
    v.hBlanking = t.hBlanking();
    v.vBlanking = t.vBlanking();
    return v;
}

T_EDID_DETAILED_TIMING_DEF detailedTimingRecord(const DetailedTimingValues& v)
{
    T_EDID_DETAILED_TIMING_DEF t;
    copyCommonFields(v, t);
    t.hTotal = Word(v.hActive + v.hBlanking);
    t.hBackPorch = Word(v.hBlanking - v.hSyncWidth - v.hFrontPorch);
    t.vTotal = Word(v.vActive + v.vBlanking);
    t.vBackPorch = Word(v.vBlanking - v.vSyncWidth - v.vFrontPorch);
    return t;
}

QString stereoModeText(int stereoCode)
{
    static const char* const texts[8] = {"No Stereo", "No Stereo", "FS, R on Sync", "2 Way, R on Even",
                                         "FS, L on Sync", "2 Way, L on Even", "4 Way", "Side by Side"};
    return QString::fromLatin1(texts[stereoCode & 7]);
}

QString syncTypeText(int syncType)
{
    static const char* const texts[4] = {"Analog", "Bipolar Analog", "Digital Composite", "Digital Separate"};
    return QString::fromLatin1(texts[syncType & 3]);
}
