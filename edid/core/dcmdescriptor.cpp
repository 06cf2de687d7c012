#include "dcmdescriptor.h"

#include <cstring>

void decodeDcm(const Byte* d, T_EDID_DCM& out)
{
    for (int i = 0; i < 6; ++i)
        out.coefficients[i] = Word(d[6 + 2 * i] | (d[7 + 2 * i] << 8));
}

void encodeDcm(const T_EDID_DCM& dcm, Byte* d)
{
    std::memset(d, 0, 18);
    d[3] = 0xF9;
    d[5] = 0x03; // the only defined version
    for (int i = 0; i < 6; ++i) {
        d[6 + 2 * i] = Byte(dcm.coefficients[i] & 0xFF);
        d[7 + 2 * i] = Byte(dcm.coefficients[i] >> 8);
    }
}
