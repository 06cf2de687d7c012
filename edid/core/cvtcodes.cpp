#include "cvtcodes.h"

#include <cstring>

namespace {
// Aspect value by its 2-bit code and back.
const int kAspectByCode[4] = {CVT_ASPECT_4_3, CVT_ASPECT_16_9, CVT_ASPECT_16_10, CVT_ASPECT_15_9};

int aspectCode(int aspect)
{
    for (int code = 0; code < 4; ++code) {
        if (kAspectByCode[code] == aspect)
            return code;
    }
    return 0;
}
} // namespace

void decodeCvtCode(const Byte* c, T_EDID_CVT_CODE& out)
{
    out = T_EDID_CVT_CODE();
    out.lines = ((((c[1] >> 4) << 8) + c[0]) * 2) + 2;
    out.aspect = kAspectByCode[(c[1] >> 2) & 3];
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
    c[1] = Byte((((l >> 8) & 0x0F) << 4) | (aspectCode(cvt.aspect) << 2));
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
