#ifndef CEAVIDEO_H
#define CEAVIDEO_H

#include "ceavic.h"
#include "edidtypes.h"

#include <QtGlobal>

// CEA-861-F short video descriptors: bit 7 native, bits 6-0 the VIC.

// Descriptors of a video data block, and of a YCbCr 4:2:0 video data block
// (whose extended tag byte also counts against the 31-byte payload).
constexpr int CEA_MAX_VIDEO_DESCRIPTORS = 31;
constexpr int CEA_MAX_YCBCR420_VIDEO_DESCRIPTORS = 30;
// The last item of the video format combo boxes, "Other": every VIC that is
// not defined. The VIC spin box reaches one past the CEA-861-F VICs.
constexpr int CEA_OTHER_VIC_ITEM = CEA_DEFINED_VIC_COUNT;
constexpr int CEA_MAX_VIC_FIELD = CEA_NAMED_VIC_COUNT + 1;

constexpr Byte CEA_SVD_NATIVE = 0x80;
constexpr Byte CEA_SVD_VIC = 0x7F;

inline bool svdNative(Byte descriptor) { return descriptor & CEA_SVD_NATIVE; }
inline int svdVic(Byte descriptor) { return descriptor & CEA_SVD_VIC; }
inline Byte svdWithNative(Byte descriptor, bool native)
{
    return Byte(native ? (descriptor | CEA_SVD_NATIVE) : (descriptor & CEA_SVD_VIC));
}
inline Byte svdWithVic(Byte descriptor, int vic)
{
    return Byte((descriptor & CEA_SVD_NATIVE) | (vic & CEA_SVD_VIC));
}
// CTA-861-H reading of a short video descriptor: bytes 1-127 and 193-255
// are the VIC itself, bytes 129-192 the native VIC byte - 128 (1-64); 0
// and 128 are reserved.
inline bool svdIsNative(Byte descriptor) { return descriptor >= 129 && descriptor <= 192; }
inline int svdVicCode(Byte descriptor) { return svdIsNative(descriptor) ? descriptor - 128 : descriptor; }

// The combo item of a VIC: its place among the defined VICs, "Other" for
// the rest, -1 (none) for VIC 0.
inline int vicComboItem(int vic)
{
    if (vic <= 0)
        return -1;
    if (vic <= CEA_LAST_7BIT_VIC)
        return vic - 1;
    if (vic >= CEA_FIRST_8BIT_VIC && vic <= CEA_LAST_VIC)
        return vic - CEA_FIRST_8BIT_VIC + CEA_LAST_7BIT_VIC;
    return CEA_OTHER_VIC_ITEM;
}

#endif
