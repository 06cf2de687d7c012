#include "ceacatalogue.h"

namespace {

struct CatalogueEntry {
    const char* name;
    int tag;
    int extendedTag;
    const char* help;
};

const char kVendorHelp[] =
    "I can't help you understand what this block does. It is there for you to indicate what "
    "might interest your own sources using you own coding mechanisms.";

const CatalogueEntry kCatalogue[CEA_BLOCK_TYPE_COUNT] = {
    {"Unknown", 0, 0, ""},
    {"Video", 2, 0, "This block defines the video formats supported by the sink."},
    {"Audio", 1, 0,
     "This block defines the audio formats supported in addition to \"Basic Audio\" (can be "
     "configured in the \"Monitor Support\" block on the left of the screen).\n\nYou can "
     "configure up to 10 audio short blocks."},
    {"Speaker allocation", 4, 0,
     "This block defines the audio channels supported by the sink.\n\nThis block must be "
     "present if the sink supports uncompressed digital audio (specified in an \"Audio\" "
     "block).\n\nIn general it is recommended to add a speaker allocation block to the sink "
     "edid if it supports any type of digital audio (including Basic Audio)."},
    {"Vendor specific", 3, 0, kVendorHelp},
    {"Video capability", 7, 0,
     "This block defines if the formats defined in this EDID support the overscan, underscan "
     "or both.\n\nIt also let you define if the source can override the pixel color range for "
     "the YCC and RGB formats."},
    {"Colorimetry", 7, 5,
     "This block defines the support of specific extended colorimetry standards."},
    {"Vendor specific video", 7, 1, kVendorHelp},
    {"Vendor specific audio", 7, 17, kVendorHelp},
    {"Info frame", 7, 32,
     "This block defines the order in which a display prefer to receive an Info Frame. That "
     "mean the first one in the list is the most desired one."},
    {"YCbCr 4:2:0 Video", 7, 14,
     "This block defines the video formats supported by the sink allowing only the YCbCr "
     "4:2:0 sampling mode (and nothing else).\n\nIf a video format also supports RGB, YCbCr "
     "4:4:4 or YCbCr 4:2:2 sampling modes it should be defined in a regular \"video\" block, "
     "and should be tagged as YCbCr 4:2:0 compatible using a \"YCbCr 4:2:0 capability map\" "
     "block."},
    {"YCbCr 4:2:0 capability map", 7, 15,
     "This block defines which video descriptors support the YCbCr 4:2:0 sampling mode.\n\n"
     "The video descriptors must be defined in a \"Video\" block first, then they will be "
     "available to configure in this block."},
    {"Video format preference", 7, 13,
     "This block defined the preferences for the different video formats defined throughout "
     "the EDID."},
    {"Detailed timing", 7, CEA_DTD_EXTENDED_TAG,
     "This block defined a specific video format supported by the sink."},
    {"HDR static metadata", 7, 6,
     "This block defines the HDR transfer functions (EOTF) and static metadata types the sink "
     "accepts, and the luminance of the content it renders best.\n\nThe luminances are stored as "
     "codes: type a value in cd/m2 and the nearest code is chosen, or type the code itself."},
    {"HDR dynamic metadata", 7, 7,
     "This block lists the dynamic HDR metadata systems the sink accepts, one entry each (a "
     "length, a 16-bit type and its support flags).\n\nIt is shown decoded; its bytes are "
     "kept as they are."},
    {"HDMI Forum SCDB", 7, 121,
     "This block carries the HDMI 2.x sink capabilities (TMDS character rates above 340 MHz, "
     "SCDC, FRL link rates, 4:2:0 deep color, VRR, ALLM, DSC), the same content as the HDMI "
     "Forum vendor specific block.\n\nUse only one of the two, placed right after the HDMI "
     "vendor specific block."},
};

bool inCatalogue(int index)
{
    return index >= 0 && index < CEA_BLOCK_TYPE_COUNT;
}

} // namespace

QString blockTypeName(int index)
{
    return inCatalogue(index) ? QString(kCatalogue[index].name) : QString();
}

int blockTypeTag(int index)
{
    return inCatalogue(index) ? kCatalogue[index].tag : 0;
}

int blockTypeExtendedTag(int index)
{
    return inCatalogue(index) ? kCatalogue[index].extendedTag : 0;
}

QString blockTypeHelpText(int index)
{
    return inCatalogue(index) ? QString(kCatalogue[index].help) : QString();
}

int blockTypeIndexOfName(const QString& name)
{
    for (int index = 0; index < CEA_BLOCK_TYPE_COUNT; ++index) {
        if (name == QLatin1String(kCatalogue[index].name))
            return index;
    }
    return -1;
}

int findBlockType(int tag, int firstPayloadByte)
{
    for (int index = CEA_VIDEO; index < CEA_BLOCK_TYPE_COUNT; ++index) {
        if (index == CEA_DETAILED_TIMING || kCatalogue[index].tag != tag)
            continue;
        if (tag != CEA_EXTENDED_TAG_CODE || kCatalogue[index].extendedTag == firstPayloadByte)
            return index;
    }
    return CEA_UNKNOWN;
}

namespace {
// CEA-861 data blocks by extended tag code, named when kept as loaded.
struct ExtendedTagName {
    int code;
    const char* name;
};
const ExtendedTagName kKeptExtendedTags[] = {
    {2, "VESA display device"},      {3, "VESA video timing"},
    {6, "HDR static metadata"},      {7, "HDR dynamic metadata"},
    {16, "CEA miscellaneous audio"}, {18, "HDMI audio"},
    {19, "Room configuration"},      {20, "Speaker location"},
};
} // namespace

QString keptBlockName(int tag, int extendedTag)
{
    if (tag == CEA_EXTENDED_TAG_CODE) {
        for (const ExtendedTagName& entry : kKeptExtendedTags) {
            if (entry.code == extendedTag)
                return QString::fromLatin1(entry.name);
        }
        if (extendedTag >= 0)
            return QStringLiteral("Extended tag %1").arg(extendedTag);
    }
    return QStringLiteral("Tag %1").arg(tag);
}
