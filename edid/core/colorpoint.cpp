#include "colorpoint.h"

#include <cstring>

namespace {

void decodePoint(const Byte* d, T_EDID_COLOR_POINT& p)
{
    p.index = d[0];
    p.x = d[2] * 4 + ((d[1] >> 2) & 3);
    p.y = d[3] * 4 + (d[1] & 3);
    p.gamma = d[4] + 100;
}

void encodePoint(const T_EDID_COLOR_POINT& p, Byte* d)
{
    d[0] = Byte(p.index);
    d[1] = Byte(((p.x & 3) << 2) | (p.y & 3));
    d[2] = Byte((p.x >> 2) & 0xFF);
    d[3] = Byte((p.y >> 2) & 0xFF);
    d[4] = Byte((p.gamma - 100) & 0xFF);
}

} // namespace

void decodeColorPoints(const Byte* d, T_EDID_COLOR_POINTS& out)
{
    decodePoint(d + 5, out.point[0]);
    decodePoint(d + 10, out.point[1]);
}

void encodeColorPoints(const T_EDID_COLOR_POINTS& points, Byte* d)
{
    std::memset(d, 0, 18);
    d[3] = 0xFB;
    encodePoint(points.point[0], d + 5);
    encodePoint(points.point[1], d + 10);
    d[15] = 0x0A;
    d[16] = 0x20;
    d[17] = 0x20;
}

QString chromaticityText(int code)
{
    const int tenThousandths = int(code / 1024.0 * 10000.0);
    return QString::number(tenThousandths / 10000.0, 'f', 3);
}

int chromaticityCode(int thousandths)
{
    double rest = thousandths;
    int code = 0;
    for (int k = 1; k <= 10; ++k) {
        if (rest > double(1000 / (1 << k))) {
            code += 1 << (10 - k);
            rest -= 1000.0 / (1 << k);
        }
    }
    return code;
}
