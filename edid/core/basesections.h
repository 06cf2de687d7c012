#ifndef BASESECTIONS_H
#define BASESECTIONS_H

#include "edidtypes.h"

// Decoded records of the fixed sections of the E-EDID base block
// (bytes 8-53). Until the section codecs are written, each record carries
// the raw bytes of its slice.

struct T_EDID_VENDOR_PRODUCT { Byte raw[10] = {}; };
struct T_EDID_VIDEO_INPUT_DEF { Byte raw = 0; };
struct DTC { Byte raw = 0; };
struct T_EDID_SCREEN_SIZE_RATIO { Byte raw[2] = {}; };
struct T_EDID_FEATURE_SUPPORT { Byte raw = 0; };
struct T_EDID_COLOR_CHARACTERISTICS { Byte raw[10] = {}; };
struct T_EDID_ESTABLISHED_TIMINGS { Byte raw[3] = {}; };
struct T_EDID_STANDARD_TIMING { Byte raw[2] = {}; };

#endif
