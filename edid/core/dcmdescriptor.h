#ifndef DCMDESCRIPTOR_H
#define DCMDESCRIPTOR_H

#include "edidtypes.h"

// Display color management: a3 and a2 for red, green and blue, in byte order.
struct T_EDID_DCM {
    Word coefficients[6] = {};
};

void decodeDcm(const Byte* descriptor, T_EDID_DCM& out);
void encodeDcm(const T_EDID_DCM& dcm, Byte* descriptor);

#endif
