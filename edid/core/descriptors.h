#ifndef DESCRIPTORS_H
#define DESCRIPTORS_H

#include "colorpoint.h"
#include "cvtcodes.h"
#include "dcmdescriptor.h"
#include "detailedtiming.h"
#include "establishedtimings3.h"
#include "rangelimits.h"
#include "standardtimingdescriptor.h"

// Type of one 18-byte descriptor slot; values 0 to 10 are also the item
// index of the slot's type combo box. For the display descriptor types 2
// to 10 the tag byte is 0x101 - type.
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
    DESC_ESTABLISHED_TIMINGS_III = 10,
    // A display descriptor whose tag no editor knows (manufacturer tags
    // 0x00-0x0F, reserved tags): it has no combo item and its bytes are kept
    // exactly as loaded until the user picks a type for the slot.
    DESC_UNKNOWN = 11
};

constexpr int DESCRIPTOR_TYPE_COUNT = 11; // combo items at revision 4
constexpr int DESCRIPTOR_SIZE = 18;
constexpr int FIRST_DESCRIPTOR_OFFSET = 54;

// Offset of slot 0..3 in the base block.
inline int descriptorOffset(int slot) { return FIRST_DESCRIPTOR_OFFSET + DESCRIPTOR_SIZE * slot; }

// Decoded content of one slot: the type, the bytes as loaded, and the
// payload of the type (only the member of the type is meaningful).
struct T_EDID_DISPLAY_DESCRIPTOR_DEF {
    T_EDID_DISPLAY_DESCRIPTORS type = DESC_UNUSED;
    Byte raw[DESCRIPTOR_SIZE] = {};
    T_EDID_DETAILED_TIMING_DEF detailedTiming;
    QString text; // serial number, data string, product name
    T_EDID_RANGE_LIMITS rangeLimits;
    T_EDID_COLOR_POINTS colorPoints;
    T_EDID_STANDARD_TIMING standardTimings[EXTRA_STANDARD_TIMING_COUNT];
    T_EDID_DCM dcm;
    T_EDID_CVT_CODE cvtCodes[4];
    T_EDID_ESTABLISHED_TIMINGS_III establishedTimingsIII;
};

// Type of a slot from its bytes: a non-zero pixel clock is a detailed
// timing, otherwise the tag at byte 3 decides; 18 zero bytes are unused.
T_EDID_DISPLAY_DESCRIPTORS classifyDescriptor(const Byte* descriptor);

// Classifies and decodes the 18 bytes of a slot. Revision dependent fields
// (range limits) follow the current revision.
void decodeDisplayDescriptor(const Byte* descriptor, T_EDID_DISPLAY_DESCRIPTOR_DEF& out);

// Encodes the payload of `descriptor.type` into 18 bytes, as the editors
// write it; a DESC_UNKNOWN slot gives back its loaded bytes.
void encodeDisplayDescriptor(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor, Word revision, Byte* out);

// Writes the frame bytes 0-4 of a display descriptor with `tag`.
void writeDescriptorFrame(Byte* descriptor, Byte tag);
// The unused (dummy) descriptor: 00 00 00 10 00 and thirteen 00 bytes.
void writeDummyDescriptorBytes(Byte* descriptor);

// Combo box item text of a type (0 to 10).
QString descriptorTypeName(int type);
// How the description panel names an unknown tag, e.g.
// "Manufacturer Specified (0x0F)".
QString unknownDescriptorName(Byte tag);

#endif
