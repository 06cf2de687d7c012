#include "sectiondescriptions.h"

#include <QStringList>

const char* const kEstablishedTimingNames[16] = {
    "720x400 @ 70 Hz [IBM, VGA]",    "720x400 @ 88 Hz [IBM, XGA2]",
    "640x480 @ 60 Hz [IBM, VGA]",    "640x480 @ 67 Hz [Apple, Mac II]",
    "640x480 @ 72 Hz [VESA]",        "640x480 @ 75 Hz [VESA]",
    "800x600 @ 56 Hz [VESA]",        "800x600 @ 60 Hz [VESA]",
    "800x600 @ 72 Hz [VESA]",        "800x600 @ 75 Hz [VESA]",
    "832x624 @ 75 Hz [Apple, Mac II]", "1024x768 @ 87 Hz [IBM - Interlaced]",
    "1024x768 @ 60 Hz [VESA]",       "1024x768 @ 70 Hz [VESA]",
    "1024x768 @ 75 Hz [VESA]",       "1280x1024 @ 75 Hz [VESA]",
};
const char* const kManufacturerTimingName = "1152x870 @ 75 Hz [Apple, Mac II]";

namespace {

const char* const kSignalLevels[] = {".700 : .300 Vp-p", ".714 : .286 Vp-p", "1.000 : .400 Vp-p",
                                     ".700 : .000 Vp-p"};
const char* const kColorBitDepths[COLOR_DEPTH_ITEMS] = {"Undef.",   "6 Bits",  "8 Bits", "10 Bits",
                                                        "12 Bits", "14 Bits", "16 Bits"};
const char* const kInterfaces[INTERFACE_ITEMS] = {"Undefined", "DVI", "HDMI-a", "HDMI-b", "MDDI",
                                                  "DisplayPort"};
const char* const kAnalogColorTypes[] = {"Undefined", "Monochrome / Greyscale", "RGB", "Non-RGB"};
const char* const kColourNames[4] = {"Red", "Green", "Blue", "White"};

template <std::size_t N>
QString itemText(const char* const (&items)[N], int index)
{
    return index >= 0 && index < int(N) ? QString::fromLatin1(items[index]) : QString();
}

QString yesNo(bool flag)
{
    return flag ? QStringLiteral("YES") : QStringLiteral("no");
}

QString hexBytes(const Byte* bytes, int count)
{
    QStringList parts;
    for (int i = 0; i < count; ++i)
        parts << QStringLiteral("%1").arg(bytes[i], 2, 16, QLatin1Char('0')).toUpper();
    return parts.join(QLatin1Char(' '));
}

FieldDescriptionList typeTag(const QString& name)
{
    return {{QStringLiteral("Monitor Data Type Tag"), name}};
}

} // namespace

QString signalLevelText(int level) { return itemText(kSignalLevels, level); }
QString colorBitDepthText(int depth) { return itemText(kColorBitDepths, depth); }
QString interfaceTypeText(int interfaceType) { return itemText(kInterfaces, interfaceType); }
QString analogColorTypeText(int colorType) { return itemText(kAnalogColorTypes, colorType); }

FieldDescriptionList headerDescription()
{
    static const char* const kValues[8] = {"00", "FF", "FF", "FF", "FF", "FF", "FF", "00"};
    FieldDescriptionList list;
    for (int i = 0; i < 8; ++i)
        list << FieldDescription(QStringLiteral("Byte %1").arg(i), kValues[i]);
    return list;
}

FieldDescriptionList vendorProductDescription(const T_EDID_VENDOR_PRODUCT& vendorProduct)
{
    FieldDescriptionList list;
    list << FieldDescription("Manufacturer ID", vendorProduct.manufacturerID)
         << FieldDescription("Product Code ID", vendorProduct.productCode)
         << FieldDescription("Serial Number", vendorProduct.serialNumber);
    if (vendorProduct.modelYear)
        list << FieldDescription("Model Year", "YES");
    else
        list << FieldDescription("Week of Manufacture", QString::number(vendorProduct.week));
    list << FieldDescription("Year of Manufacture", QString::number(vendorProduct.year));
    return list;
}

FieldDescriptionList versionDescription(Word revision)
{
    return {FieldDescription("Version", "1"), FieldDescription("Revision", revision == 3 ? "3" : "4")};
}

FieldDescriptionList videoInputDescription(const T_EDID_VIDEO_INPUT_DEF& input, Word revision)
{
    FieldDescriptionList list;
    if (input.isAnalog) {
        list << FieldDescription("Video Input Signal", "Analog")
             << FieldDescription("Signal Level", signalLevelText(input.level))
             << FieldDescription("Blank Setup", yesNo(input.flags[INPUT_FLAG_SETUP]))
             << FieldDescription("Separate Sync", yesNo(input.flags[INPUT_FLAG_SEPARATE_SYNC]))
             << FieldDescription("Composite Sync", yesNo(input.flags[INPUT_FLAG_COMPOSITE_SYNC]))
             << FieldDescription("Sync On Green", yesNo(input.flags[INPUT_FLAG_SYNC_ON_GREEN]))
             << FieldDescription("Serration", yesNo(input.lastFlag));
    } else if (revision == 4) {
        const bool depthReserved = input.level >= COLOR_DEPTH_ITEMS;
        const bool interfaceReserved = input.interfaceType >= INTERFACE_ITEMS;
        list << FieldDescription("Video Input Signal", "Digital")
             << FieldDescription("Color Bit Depth", depthReserved ? "Reserved" : colorBitDepthText(input.level))
             << FieldDescription("Interface",
                                 interfaceReserved ? "Reserved" : interfaceTypeText(input.interfaceType));
    } else {
        list << FieldDescription("Video Input Signal", "Digital")
             << FieldDescription("DFP 1.X Compatible", yesNo(input.lastFlag));
    }
    return list;
}

FieldDescriptionList screenSizeDescription(const T_EDID_SCREEN_SIZE_RATIO& size)
{
    const QString ratio = QString::number(size.value / 100.0, 'f', 2);
    switch (size.mode) {
    case SCREEN_LANDSCAPE:
        return {FieldDescription("Landscape Ratio", ratio)};
    case SCREEN_PORTRAIT:
        return {FieldDescription("Portrait Ratio", ratio)};
    default:
        return {FieldDescription("H. Size", QString::number(screenHSize(size.value))),
                FieldDescription("V. Size", QString::number(screenVSize(size.value)))};
    }
}

FieldDescriptionList featureSupportDescription(const T_EDID_FEATURE_SUPPORT& features, Bool isAnalog,
                                               Word revision)
{
    FieldDescriptionList list;
    list << FieldDescription("Standby Mode", yesNo(features.standby))
         << FieldDescription("Suspend Mode", yesNo(features.suspend))
         << FieldDescription("Active off", yesNo(features.activeOff));
    if (revision == 4) {
        if (isAnalog)
            list << FieldDescription("Color Type", analogColorTypeText(features.colorIndex));
        else
            list << FieldDescription("Color Encoding Format", "Specified");
    }
    list << FieldDescription("Standard RGB", yesNo(features.srgb))
         << FieldDescription("Continuous Frequency", yesNo(features.continuousFrequency))
         << FieldDescription("Preferred Timing Mode", yesNo(features.preferredTimingMode));
    return list;
}

FieldDescriptionList colorCharacteristicsDescription(const QStringList& coordinates)
{
    FieldDescriptionList list;
    for (int colour = 0; colour < 4; ++colour) {
        const QString name = kColourNames[colour];
        list << FieldDescription(name + " Chromaticity", "~")
             << FieldDescription(name + " X", coordinates.value(2 * colour))
             << FieldDescription(name + " Y", coordinates.value(2 * colour + 1));
    }
    return list;
}

FieldDescriptionList colorCharacteristicsDescription(const T_EDID_COLOR_CHARACTERISTICS& color)
{
    QStringList coordinates;
    for (int i = 0; i < 8; ++i)
        coordinates << chromaticityText(color.codes[i]);
    return colorCharacteristicsDescription(coordinates);
}

FieldDescriptionList establishedTimingsDescription(const T_EDID_ESTABLISHED_TIMINGS& timings)
{
    FieldDescriptionList list;
    list << FieldDescription("Established Timings I", "~");
    for (int i = 0; i < 8; ++i)
        list << FieldDescription(kEstablishedTimingNames[i], yesNo(timings.timingsI[i]));
    list << FieldDescription("Established Timings II", "~");
    for (int i = 0; i < 8; ++i)
        list << FieldDescription(kEstablishedTimingNames[8 + i], yesNo(timings.timingsII[i]));
    list << FieldDescription("Manufacturer Timing", "~")
         << FieldDescription(kManufacturerTimingName, yesNo(timings.manufacturerTiming));
    return list;
}

FieldDescriptionList standardTimingDescription(const T_EDID_STANDARD_TIMING& timing)
{
    return {FieldDescription("H. Active Pixels", QString::number(timing.hActive)),
            FieldDescription("Refresh Rate", QString::number(timing.refreshRate)),
            FieldDescription("Aspect Ratio", standardTimingAspectText(timing.aspectRatio))};
}

FieldDescriptionList detailedTimingDescription(const DetailedTimingValues& t)
{
    auto number = [](int value) { return QString::number(value); };
    return {
        {"Pixel Clock", QString::number(t.pixelClock / 100.0, 'f', 2)},
        {"H. Active Pixels", number(t.hActive)},
        {"H. Blanking Pixels", number(t.hBlanking)},
        {"V. Active Lines", number(t.vActive)},
        {"V. Blanking Lines", number(t.vBlanking)},
        {"H. Sync Width", number(t.hSyncWidth)},
        {"H. Front Porch", number(t.hFrontPorch)},
        {"V. Sync Width", number(t.vSyncWidth)},
        {"V. Front Porch", number(t.vFrontPorch)},
        {"H. Image Size", number(t.hImageSize)},
        {"V. Image Size", number(t.vImageSize)},
        {"H. Border", number(t.hBorder)},
        {"V. Border", number(t.vBorder)},
        {"Interlaced", yesNo(t.interlaced)},
        {"Stereo Mode", stereoModeText(t.stereoCode)},
        {"Sync Signal Configuration", syncTypeText(t.syncType)},
        {"Vertical Polarity", yesNo(t.syncFlagBit2)},
        {"Horizontal Polarity", yesNo(t.syncFlagBit1)},
    };
}

FieldDescriptionList extensionCountDescription(int count, bool hasCEA)
{
    return {FieldDescription("Extension Block(s)", QString::number(count)),
            FieldDescription("CEA Extension Block", hasCEA ? "YES" : "NO")};
}

FieldDescriptionList checksumDescription()
{
    return {FieldDescription("Checksum", "Checksum")};
}

FieldDescriptionList unusedDescriptorDescription()
{
    return typeTag(QStringLiteral("Unused"));
}

FieldDescriptionList unknownDescriptorDescription(const Byte* descriptor)
{
    return {{"Monitor Data Type Tag", unknownDescriptorName(descriptor[3])},
            {"Payload", hexBytes(descriptor + 5, DESCRIPTOR_SIZE - 5)},
            {"Kept As Loaded", "YES"}};
}

FieldDescriptionList textDescriptorDescription(T_EDID_DISPLAY_DESCRIPTORS type, const QString& text)
{
    switch (type) {
    case DESC_SERIAL_NUMBER:
        return {{"Monitor Data Type Tag", "Serial Number"}, {"Monitor Serial Number", text}};
    case DESC_DATA_STRING:
        return {{"Monitor Data Type Tag", "ASCII Data String"}, {"Data String Content", text}};
    default:
        return {{"Monitor Data Type Tag", "Product Name"}, {"Monitor Product Name", text}};
    }
}

FieldDescriptionList displayDescriptorDescription(const T_EDID_DISPLAY_DESCRIPTOR_DEF& descriptor)
{
    switch (descriptor.type) {
    case DESC_DETAILED_TIMING:
        return detailedTimingDescription(detailedTimingValues(descriptor.detailedTiming));
    case DESC_SERIAL_NUMBER:
    case DESC_DATA_STRING:
    case DESC_PRODUCT_NAME:
        return textDescriptorDescription(descriptor.type, descriptor.text);
    case DESC_RANGE_LIMITS:
        return typeTag(QStringLiteral("Range Limits"));
    case DESC_COLOR_POINT:
        return typeTag(QStringLiteral("Color Point Data"));
    case DESC_STANDARD_TIMINGS:
        return typeTag(QStringLiteral("Standard Timings"));
    case DESC_DCM:
        return typeTag(QStringLiteral("Display Color Management"));
    case DESC_CVT_TIMINGS:
        return typeTag(QStringLiteral("CVT Code Descriptor"));
    case DESC_ESTABLISHED_TIMINGS_III:
        return typeTag(QStringLiteral("Established Timings III"));
    case DESC_UNKNOWN:
        return unknownDescriptorDescription(descriptor.raw);
    default:
        return unusedDescriptorDescription();
    }
}
