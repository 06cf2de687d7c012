#include "cvtcodes.h"

#include "lookup.h"

#include <cstring>

namespace {
const int kAspectByCode[4] = {CVT_ASPECT_4_3, CVT_ASPECT_16_9, CVT_ASPECT_16_10, CVT_ASPECT_15_9};
} // namespace

int cvtAspectOfCode(int code)
{
    return kAspectByCode[code & 3];
}

int cvtCodeOfAspect(int aspect)
{
    return indexIn(kAspectByCode, aspect);
}

void decodeCvtCode(const Byte* c, T_EDID_CVT_CODE& out)
{
    out = T_EDID_CVT_CODE();
    out.lines = ((((c[1] >> 4) << 8) + c[0]) * 2) + 2;
    out.aspect = cvtAspectOfCode(c[1] >> 2);
    if (c[2] < 0x20) {
        out.preferredRate = 0;
    } else {
        const int rate = c[2] >> 5;
        out.preferredRate = rate >= 1 && rate <= 3 ? rate : 2;
    }
    for (int i = 0; i < 5; ++i)
        out.supported[i] = (c[2] >> (4 - i)) & 1;
}

void encodeCvtCode(const T_EDID_CVT_CODE& cvt, Byte* c)
{
    const int l = cvt.lines / 2 - 1;
    c[0] = Byte(l & 0xFF);
    c[1] = Byte((((l >> 8) & 0x0F) << 4) | (cvtCodeOfAspect(cvt.aspect) << 2));
    int flags = (cvt.preferredRate & 3) << 5;
    for (int i = 0; i < 5; ++i)
        flags |= cvt.supported[i] ? 1 << (4 - i) : 0;
    c[2] = Byte(flags);
}

void writeCvtCodesFrame(Byte* d)
{
    std::memset(d, 0, 6);
    d[3] = 0xF8;
    d[5] = 0x01;
}
