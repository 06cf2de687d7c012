#ifndef DESCRIPTORS_H
#define DESCRIPTORS_H

#include "edidtypes.h"

// Type of one 18-byte descriptor slot; also the item index of the slot's
// type combo box. For the display descriptor types 2 to 10 the tag byte is
// 0x101 - type.
enum T_EDID_DISPLAY_DESCRIPTORS {
    DESC_UNUSED = 0,
    DESC_DETAILED_TIMING = 1,
    DESC_SERIAL_NUMBER = 2,
    DESC_DATA_STRING = 3,
    DESC_RANGE_LIMITS = 4,
    DESC_PRODUCT_NAME = 5,
    DESC_COLOR_POINT = 6,
    DESC_STANDARD_TIMINGS = 7,
    DESC_DCM = 8,
    DESC_CVT_TIMINGS = 9,
    DESC_ESTABLISHED_TIMINGS_III = 10
};

// Decoded content of one slot. Until the descriptor codecs are written it
// carries the raw 18 bytes next to the type.
struct T_EDID_DISPLAY_DESCRIPTOR_DEF {
    T_EDID_DISPLAY_DESCRIPTORS type = DESC_UNUSED;
    Byte raw[18] = {};
};

// Classifies and decodes the 18 bytes of a slot.
void decodeDisplayDescriptor(const Byte* descriptor, T_EDID_DISPLAY_DESCRIPTOR_DEF& out);

#endif
