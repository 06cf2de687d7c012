#include "loadcorrections.h"

#include "checksum.h"
#include "revision.h"
#include "textdescriptor.h"

#include <cstring>

namespace {

constexpr Byte kProductNameTag = 0xFC;

bool isRevision4OnlyType(int type)
{
    return type >= DESC_DCM && type <= DESC_ESTABLISHED_TIMINGS_III;
}

// An unsupported revision is edited as 1.4: bytes 18-19 become 01 04.
void correctRevision(Byte* image, const T_EDID_DEF& decoded, LoadCorrections& corrections)
{
    if (decoded.revision == 3 || decoded.revision == 4)
        return;
    image[18] = 1;
    image[19] = 4;
    setCurrentRevision(4);
    corrections << LoadCorrection{"revision", QStringLiteral("revision %1 set to 4 (bytes 18-19 written as 01 04)")
                                                  .arg(decoded.revision), 18, 19};
}

// The product name editor writes its descriptor back when it is loaded:
// frame bytes zero and the text padded with 0x0A and spaces.
void rewriteProductNames(Byte* image, const T_EDID_DEF& decoded, LoadCorrections& corrections)
{
    for (int slot = 0; slot < 4; ++slot) {
        const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor = decoded.displayDescriptors[slot];
        if (descriptor.type != DESC_PRODUCT_NAME)
            continue;
        Byte* bytes = image + descriptorOffset(slot);
        Byte rewritten[DESCRIPTOR_SIZE];
        writeDescriptorFrame(rewritten, kProductNameTag);
        if (!encodeDescriptorText(descriptor.text, rewritten + 5))
            encodeDescriptorText(QString(), rewritten + 5);
        if (std::memcmp(bytes, rewritten, DESCRIPTOR_SIZE) == 0)
            continue;
        std::memcpy(bytes, rewritten, DESCRIPTOR_SIZE);
        const int first = descriptorOffset(slot);
        const int last = first + DESCRIPTOR_SIZE - 1;
        corrections << LoadCorrection{"product-name", QStringLiteral("product name in block %1 (bytes %2-%3) rewritten")
                                                          .arg(slot + 1).arg(first).arg(last),
                                      first, last};
    }
}

// A 1.3 image cannot hold the descriptor types that 1.4 added: slots 2 to 4
// holding one become unused. Block 1 keeps its type.
void dropRevision4Descriptors(Byte* image, const T_EDID_DEF& decoded, LoadCorrections& corrections)
{
    if (currentRevision() != 3)
        return;
    for (int slot = 1; slot < 4; ++slot) {
        const T_EDID_DISPLAY_DESCRIPTORS type = decoded.displayDescriptors[slot].type;
        if (!isRevision4OnlyType(type))
            continue;
        writeDummyDescriptorBytes(image + descriptorOffset(slot));
        const int first = descriptorOffset(slot);
        const int last = first + DESCRIPTOR_SIZE - 1;
        corrections << LoadCorrection{"1.4-descriptor",
                                      QStringLiteral("%1 in block %2 (bytes %3-%4) of a 1.3 image cleared")
                                          .arg(descriptorTypeName(type)).arg(slot + 1).arg(first).arg(last),
                                      first, last};
    }
}

} // namespace

LoadCorrections applyLoadCorrections(Byte* image, const T_EDID_DEF& decoded)
{
    LoadCorrections corrections;
    correctRevision(image, decoded, corrections);
    rewriteProductNames(image, decoded, corrections);
    dropRevision4Descriptors(image, decoded, corrections);
    applyExtensionLoadCorrections(image, corrections);
    updateBaseChecksum(image);
    return corrections;
}
