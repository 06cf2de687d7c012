#include "basesections.h"

#include <algorithm>

// Byte 20 -------------------------------------------------------------------

void decodeVideoInput(const Byte* image, Word revision, T_EDID_VIDEO_INPUT_DEF& out)
{
    out = T_EDID_VIDEO_INPUT_DEF();
    const Byte byte = image[20];
    out.isAnalog = !(byte & 0x80);
    if (out.isAnalog) {
        out.level = (byte >> 5) & 3;
        for (int i = 0; i < 4; ++i)
            out.flags[i] = (byte >> (4 - i)) & 1;
        out.lastFlag = byte & 1;
    } else if (revision == 3) {
        out.lastFlag = byte & 1;
    } else {
        out.level = (byte >> 4) & 7;
        out.interfaceType = byte & 15;
    }
}

void encodeVideoInput(const T_EDID_VIDEO_INPUT_DEF& in, Word revision, Byte* image)
{
    Byte byte = 0;
    if (in.isAnalog) {
        byte = Byte((in.level & 3) << 5);
        for (int i = 0; i < 4; ++i)
            byte |= Byte((in.flags[i] ? 1 : 0) << (4 - i));
        byte |= in.lastFlag ? 1 : 0;
    } else if (revision == 3) {
        byte = Byte(0x80 | (in.lastFlag ? 1 : 0));
    } else {
        byte = Byte(0x80 | (in.level & 7) << 4 | (in.interfaceType & 15));
    }
    image[20] = byte;
}

// Bytes 21-22 ---------------------------------------------------------------

namespace {

// Mode and value of bytes 21-22.
void decodeScreenSizeBytes(Byte h, Byte v, Word revision, T_EDID_SCREEN_SIZE_RATIO& out)
{
    const bool oneZero = (h == 0) != (v == 0);
    if (revision == 3 || !oneZero) {
        out.mode = SCREEN_DIMENSIONS;
        out.value = screenSizeValue(h, v);
    } else if (v == 0) {
        out.mode = SCREEN_LANDSCAPE;
        out.value = quint32(h + 99);
    } else {
        out.mode = SCREEN_PORTRAIT;
        out.value = quint32(10000 / (v + 99));
    }
}

// True when the loaded bytes decode, at revision 4, to this ratio.
bool ratioOfLoadedBytes(const T_EDID_SCREEN_SIZE_RATIO& in)
{
    if (!in.hasLoaded || in.mode == SCREEN_DIMENSIONS)
        return false;
    T_EDID_SCREEN_SIZE_RATIO loaded;
    decodeScreenSizeBytes(in.loaded[0], in.loaded[1], 4, loaded);
    return loaded.mode == in.mode && loaded.value == in.value;
}

} // namespace

void decodeScreenSize(const Byte* image, Word revision, T_EDID_SCREEN_SIZE_RATIO& out)
{
    out = T_EDID_SCREEN_SIZE_RATIO();
    decodeScreenSizeBytes(image[21], image[22], revision, out);
    out.loaded[0] = image[21];
    out.loaded[1] = image[22];
    out.hasLoaded = true;
}

void encodeScreenSize(const T_EDID_SCREEN_SIZE_RATIO& in, Byte* image)
{
    if (ratioOfLoadedBytes(in)) {
        image[21] = in.loaded[0];
        image[22] = in.loaded[1];
        return;
    }
    switch (in.mode) {
    case SCREEN_LANDSCAPE: {
        const int ratio = std::clamp(int(in.value), LANDSCAPE_MIN_RATIO, LANDSCAPE_MAX_RATIO);
        image[21] = Byte(ratio - 99);
        image[22] = 0;
        break;
    }
    case SCREEN_PORTRAIT: {
        const int ratio = std::clamp(int(in.value), PORTRAIT_MIN_RATIO, PORTRAIT_MAX_RATIO);
        // 0.28 gives 10000 / 28 - 99 = 258: the nearest storable value is 255.
        image[21] = 0;
        image[22] = Byte(std::min(10000 / ratio - 99, 255));
        break;
    }
    default:
        image[21] = Byte(std::min(screenHSize(in.value), 255));
        image[22] = Byte(std::min(screenVSize(in.value), 255));
        break;
    }
}

// Byte 23 -------------------------------------------------------------------

void decodeGamma(const Byte* image, DTC& out)
{
    out.gamma = image[23] + 100;
}

void encodeGamma(const DTC& in, Byte* image)
{
    image[23] = Byte(std::clamp(in.gamma - 100, 0, 255));
}

// Byte 24 -------------------------------------------------------------------

namespace {
// Analog colour type index by the value of bits 4-3, and back.
const int kColorTypeFromBits[4] = {COLOR_MONOCHROME, COLOR_RGB, COLOR_NON_RGB, COLOR_UNDEFINED};
const int kBitsFromColorType[4] = {3, 0, 1, 2};
}

void decodeFeatureSupport(const Byte* image, Word revision, T_EDID_FEATURE_SUPPORT& out)
{
    out = T_EDID_FEATURE_SUPPORT();
    const Byte byte = image[24];
    const bool analog = !(image[20] & 0x80);
    out.standby = byte & 0x80;
    out.suspend = byte & 0x40;
    out.activeOff = byte & 0x20;
    out.encodingKind = analog ? ENCODING_ANALOG : (revision == 3 ? ENCODING_DIGITAL_REV3 : ENCODING_DIGITAL_REV4);
    out.colorEncoding = (byte >> 3) & 3;
    out.colorIndex = kColorTypeFromBits[out.colorEncoding];
    out.srgb = byte & 0x04;
    out.preferredTimingMode = byte & 0x02;
    out.continuousFrequency = byte & 0x01;
}

void encodeFeatureSupport(const T_EDID_FEATURE_SUPPORT& in, Bool isAnalog, Byte* image)
{
    const int colorBits = isAnalog ? kBitsFromColorType[in.colorIndex & 3] : (in.colorEncoding & 3);
    image[24] = Byte((in.standby ? 0x80 : 0) | (in.suspend ? 0x40 : 0) | (in.activeOff ? 0x20 : 0)
                     | colorBits << 3 | (in.srgb ? 0x04 : 0) | (in.preferredTimingMode ? 0x02 : 0)
                     | (in.continuousFrequency ? 0x01 : 0));
}
