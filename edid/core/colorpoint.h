#ifndef COLORPOINT_H
#define COLORPOINT_H

#include "edidtypes.h"

// One additional white point of a color point descriptor.
struct T_EDID_COLOR_POINT {
    int index = 0; // 0: point not used
    int x = 0;     // 10-bit chromaticity codes, code / 1024
    int y = 0;
    int gamma = 100; // gamma x 100
};

struct T_EDID_COLOR_POINTS {
    T_EDID_COLOR_POINT point[2];
};

void decodeColorPoints(const Byte* descriptor, T_EDID_COLOR_POINTS& out);
void encodeColorPoints(const T_EDID_COLOR_POINTS& points, Byte* descriptor);

// A 10-bit chromaticity code shown in thousandths, e.g. 321 -> "0.313".
QString chromaticityText(int code);
// Thousandths (0..999) to the 10-bit code by successive halving.
int chromaticityCode(int thousandths);

#endif
