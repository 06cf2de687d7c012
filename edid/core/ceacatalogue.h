#ifndef CEACATALOGUE_H
#define CEACATALOGUE_H

#include "edidtypes.h"

#include <QString>

// The CEA-861 data block types the editor knows, indexed by catalogue
// index. Index 0 stands for every block the catalogue does not know; index
// 13 is not a data block but the detailed timing descriptors that follow
// the data block collection (its key, tag 7 / extended tag 6, is internal:
// data blocks never match it, so HDR static metadata, which has extended
// tag 6 as well, is found at 14). Indexes 14 on came after the first
// fourteen and keep their numbers behind them.
enum CEABlockIndex {
    CEA_UNKNOWN = 0,
    CEA_VIDEO = 1,
    CEA_AUDIO = 2,
    CEA_SPEAKER_ALLOCATION = 3,
    CEA_VENDOR_SPECIFIC = 4,
    CEA_VIDEO_CAPABILITY = 5,
    CEA_COLORIMETRY = 6,
    CEA_VENDOR_SPECIFIC_VIDEO = 7,
    CEA_VENDOR_SPECIFIC_AUDIO = 8,
    CEA_INFO_FRAME = 9,
    CEA_YCBCR420_VIDEO = 10,
    CEA_YCBCR420_CAPABILITY_MAP = 11,
    CEA_VIDEO_FORMAT_PREFERENCE = 12,
    CEA_DETAILED_TIMING = 13,
    CEA_HDR_STATIC_METADATA = 14,
    CEA_HDR_DYNAMIC_METADATA = 15,
    CEA_HDMI_FORUM_SCDB = 16,
    CEA_BLOCK_TYPE_COUNT = 17
};

// Tag code of the data blocks that carry an extended tag byte.
constexpr int CEA_EXTENDED_TAG_CODE = 7;
// Internal extended tag of the detailed timing entry.
constexpr int CEA_DTD_EXTENDED_TAG = 6;

QString blockTypeName(int index);
int blockTypeTag(int index);
int blockTypeExtendedTag(int index);
QString blockTypeHelpText(int index);
// Catalogue index of a name (case-sensitive, all names); -1 when none.
int blockTypeIndexOfName(const QString& name);
// The first data block index (every index from 1 on but the detailed
// timings) whose tag is `tag` and, for tag 7, whose extended tag is
// `firstPayloadByte`; 0 when none matches.
int findBlockType(int tag, int firstPayloadByte);
// Name of a data block kept as loaded because no editor edits it: its
// CEA-861 name where known, else its tag or extended tag (`extendedTag`
// < 0 when a tag-7 block has no extended tag byte).
QString keptBlockName(int tag, int extendedTag);

#endif
