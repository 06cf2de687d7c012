#include "imageload.h"

#include "imagefile.h"
#include "imagesections.h"
#include "sectiondescriptions.h"

#include <cstring>

bool isTextDumpName(const QString& path)
{
    // A path that ends in one of them has its last "." there.
    return path.endsWith(QLatin1String(".dat"), Qt::CaseSensitive)
        || path.endsWith(QLatin1String(".edid"), Qt::CaseSensitive);
}

QByteArray LoadedImage::savedFileBytes() const
{
    return imageFileBytes(working, tail);
}

QString loadImage(const QByteArray& content, bool textDump, LoadedImage& out)
{
    if (content.isEmpty())
        return QStringLiteral("empty file");
    const QByteArray raw = textDump ? readTextDump(content) : content;
    out.tail = splitImageBytes(raw, out.saved);
    if (!decodeBaseBlock(out.saved, out.decoded))
        return raw.size() < EDID_BLOCK_SIZE ? QStringLiteral("shorter than a base block (%1 bytes)").arg(raw.size())
                                            : QStringLiteral("bad base block header or checksum");
    std::memcpy(out.working, out.saved, EDID_IMAGE_SIZE);
    out.corrections = applyLoadCorrections(out.working, out.decoded);
    dropTrailingCopy(out.tail, out.working);
    if (out.tail.droppedCopy > 0)
        out.corrections << LoadCorrection{"copy-dropped", droppedCopyMessage(out.tail), out.tail.droppedFrom,
                                          out.tail.droppedFrom + out.tail.droppedCopy - 1};
    return QString();
}

QList<SectionDescription> describeImage(const LoadedImage& image)
{
    const T_EDID_DEF& d = image.decoded;
    const Word revision = d.revision == 3 ? 3 : 4;
    FieldDescriptionList displayParameters = videoInputDescription(d.videoInput, revision);
    displayParameters << screenSizeDescription(d.screenSize)
                      << featureSupportDescription(d.featureSupport, d.videoInput.isAnalog, revision);
    FieldDescriptionList standard;
    for (const T_EDID_STANDARD_TIMING& timing : d.standardTimings) {
        if (timing.enabled)
            standard << standardTimingDescription(timing);
    }
    auto named = [](ImageSectionId id, const FieldDescriptionList& fields) {
        return SectionDescription{imageSection(id).name, fields};
    };
    QList<SectionDescription> sections = {
        named(HeaderSection, headerDescription()),
        named(VendorProductSection, vendorProductDescription(d.vendorProduct)),
        named(VersionSection, versionDescription(revision)),
        named(DisplayParametersSection, displayParameters),
        named(ColorSection, colorCharacteristicsDescription(d.colorCharacteristics)),
        named(EstablishedSection, establishedTimingsDescription(d.establishedTimings)),
        named(StandardSection, standard),
    };
    for (int slot = 0; slot < 4; ++slot) {
        // Describe what the slot holds after the load corrections.
        T_EDID_DISPLAY_DESCRIPTOR_DEF descriptor = d.displayDescriptors[slot];
        if (std::memcmp(image.working + descriptorOffset(slot), descriptor.raw, DESCRIPTOR_SIZE) != 0)
            decodeDisplayDescriptor(image.working + descriptorOffset(slot), descriptor);
        sections << named(descriptorSection(slot), displayDescriptorDescription(descriptor));
    }
    const QList<SectionDescription> extension = describeExtension(image);
    sections << named(ExtensionCountSection, extensionCountDescription(image.working[126], !extension.isEmpty()))
             << named(ChecksumSection, checksumDescription());
    return sections + extension;
}
