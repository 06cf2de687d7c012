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
// The last item of the video format combo boxes, "Other": VIC 108 and above.
constexpr int CEA_OTHER_VIC_ITEM = CEA_NAMED_VIC_COUNT;
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
// The combo item of a VIC: VIC - 1, "Other" from VIC 108 on, -1 (none) for VIC 0.
inline int vicComboItem(int vic)
{
    return vic <= 0 ? -1 : qMin(vic - 1, CEA_OTHER_VIC_ITEM);
}

#endif
