#ifndef CVTCODES_H
#define CVTCODES_H

#include "edidtypes.h"

// Aspect values of a CVT 3-byte code; code bits 3-2 of its second byte are
// 00 4:3, 01 16:9, 10 16:10, 11 15:9.
enum CvtCodeAspect { CVT_ASPECT_4_3 = 1, CVT_ASPECT_16_10 = 2, CVT_ASPECT_15_9 = 3, CVT_ASPECT_16_9 = 4 };

// One CVT 3-byte timing code.
struct T_EDID_CVT_CODE {
    int lines = 2; // vertical active lines, even, 2..8192
    int aspect = CVT_ASPECT_4_3;
    int preferredRate = 0; // 0..3 = 50, 60, 75, 85 Hz
    // 50, 60, 75, 85 Hz standard blanking, 60 Hz reduced blanking
    bool supported[5] = {};
};

// Aspect of a 2-bit code and back; an unknown aspect has code 0.
int cvtAspectOfCode(int code);
int cvtCodeOfAspect(int aspect);

void decodeCvtCode(const Byte* code, T_EDID_CVT_CODE& out);
void encodeCvtCode(const T_EDID_CVT_CODE& cvt, Byte* code);
// Frame of the CVT timing codes descriptor (bytes 0-5, version 1).
void writeCvtCodesFrame(Byte* descriptor);

#endif
