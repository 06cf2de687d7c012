#include "ceablockfactory.h"

#include "ceaaudiodescriptor.h"
#include "ceacapabilitymapdescriptor.h"
#include "ceacolorimetryblock.h"
#include "ceadecodedform.h"
#include "ceadetailedtimingdescriptor.h"
#include "ceafreesyncform.h"
#include "ceahdmiform.h"
#include "ceahdmiforumform.h"
#include "ceahdrstaticform.h"
#include "ceainfoframe.h"
#include "ceamodernblock.h"
#include "ceaspeakerallocationblock.h"
#include "ceavendorspecificdescriptor.h"
#include "ceavideocapability.h"
#include "ceavideodescriptor.h"
#include "ceavideoformatpreference.h"

CEABlock* createBlock(int index, QWidget* parent)
{
    switch (index) {
    case CEA_VIDEO:
    case CEA_YCBCR420_VIDEO:
        return new CEAVideoDescriptor(index, parent);
    case CEA_AUDIO:
        return new CEAAudioDescriptor(parent);
    case CEA_SPEAKER_ALLOCATION:
        return new CEASpeakerAllocationBlock(parent);
    case CEA_VENDOR_SPECIFIC:
    case CEA_VENDOR_SPECIFIC_VIDEO:
    case CEA_VENDOR_SPECIFIC_AUDIO:
        return new CEAVendorSpecificDescriptor(index, parent);
    case CEA_VIDEO_CAPABILITY:
        return new CEAVideoCapability(parent);
    case CEA_COLORIMETRY:
        return new CEAColorimetryBlock(parent);
    case CEA_INFO_FRAME:
        return new CEAInfoFrame(parent);
    case CEA_YCBCR420_CAPABILITY_MAP:
        return new CEACapabilityMapDescriptor(parent);
    case CEA_VIDEO_FORMAT_PREFERENCE:
        return new CEAVideoFormatPreference(parent);
    case CEA_DETAILED_TIMING:
        return new CEADetailedTimingDescriptor(parent);
    case CEA_HDR_STATIC_METADATA:
    case CEA_HDR_DYNAMIC_METADATA:
    case CEA_HDMI_FORUM_SCDB:
        return new CEAModernBlock(index, parent);
    default:
        return nullptr;
    }
}

CEAPayloadForm* createPayloadForm(ModernBlockKind kind, QWidget* parent)
{
    switch (kind) {
    case ModernBlockKind::Hdmi:
        return new CEAHdmiForm(parent);
    case ModernBlockKind::HdmiForum:
    case ModernBlockKind::HdmiForumScdb:
        return new CEAHdmiForumForm(parent);
    case ModernBlockKind::FreeSync:
        return new CEAFreeSyncForm(parent);
    case ModernBlockKind::HdrStaticMetadata:
        return new CEAHdrStaticForm(parent);
    case ModernBlockKind::HdrDynamicMetadata:
    case ModernBlockKind::DolbyVision:
    case ModernBlockKind::Hdr10Plus:
        return new CEADecodedForm(CEA_EXTENDED_TAG_CODE, parent);
    default:
        return nullptr;
    }
}
