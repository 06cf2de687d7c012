#ifndef BASESECTIONS_H
#define BASESECTIONS_H

#include "edidtypes.h"
#include "standardtiming.h"

// Decoded records of the fixed sections of the E-EDID base block (bytes 8
// to 53) and their codecs. Every codec takes the whole image and works at
// the absolute offsets of its section; encoders write only their own bytes
// and leave the checksum to the caller.

// Bytes 8-17: manufacturer, product code, serial number, date.
struct T_EDID_VENDOR_PRODUCT {
    char manufacturerID[4] = {'A', 'A', 'A', 0};
    char productCode[5] = {'0', '0', '0', '0', 0};
    char serialNumber[11] = {'0', 0};   // decimal text of the 32-bit number
    Word year = 1990;
    Byte week = 1;                      // 255 when the model year flag is set
    Bool modelYear = false;
    Bool reservedBit = false;           // bit 15 of the manufacturer ID word, kept as loaded
};

constexpr Byte MODEL_YEAR_WEEK = 0xFF;
constexpr quint64 MAX_SERIAL_NUMBER = 4294967295ULL;

void decodeVendorProduct(const Byte* image, T_EDID_VENDOR_PRODUCT& out);
void encodeVendorProduct(const T_EDID_VENDOR_PRODUCT& in, Byte* image);

// Byte 20: video input definition.
struct T_EDID_VIDEO_INPUT_DEF {
    Bool isAnalog = true;
    int level = 0;          // analog signal level 0-3, or digital colour bit depth 0-7 (7 reserved)
    Byte flags[4] = {};     // analog: blank setup, separate sync, composite sync, sync on green
    int interfaceType = 0;  // digital interface 0-15 (6-15 reserved)
    Byte lastFlag = 0;      // analog: serration; digital (1.3): DFP 1.x compatible
};

enum { INPUT_FLAG_SETUP, INPUT_FLAG_SEPARATE_SYNC, INPUT_FLAG_COMPOSITE_SYNC, INPUT_FLAG_SYNC_ON_GREEN };
constexpr int COLOR_DEPTH_ITEMS = 7;   // undefined, 6 ... 16 bits
constexpr int INTERFACE_ITEMS = 6;     // undefined, DVI, HDMI-a, HDMI-b, MDDI, DisplayPort

// The digital form depends on the revision: 3 has the DFP flag, every other
// revision the colour bit depth and the interface.
void decodeVideoInput(const Byte* image, Word revision, T_EDID_VIDEO_INPUT_DEF& out);
void encodeVideoInput(const T_EDID_VIDEO_INPUT_DEF& in, Word revision, Byte* image);

// Bytes 21-22: screen size in cm or (1.4) aspect ratio.
enum ScreenSizeMode { SCREEN_DIMENSIONS = 0, SCREEN_LANDSCAPE = 1, SCREEN_PORTRAIT = 2 };
struct T_EDID_SCREEN_SIZE_RATIO {
    int mode = SCREEN_DIMENSIONS;
    quint32 value = 0;      // dimensions: H in bits 15-0, V in bits 31-16; ratios: ratio x 100
    // Bytes 21-22 as decoded. Several portrait bytes give one ratio x 100:
    // while the ratio is the one they give, they are written back as they were.
    Byte loaded[2] = {0, 0};
    bool hasLoaded = false;
};

constexpr int LANDSCAPE_MIN_RATIO = 100;   // ratio x 100
constexpr int LANDSCAPE_MAX_RATIO = 354;
constexpr int PORTRAIT_MIN_RATIO = 28;
constexpr int PORTRAIT_MAX_RATIO = 99;

inline quint32 screenSizeValue(int hSize, int vSize) { return quint32(hSize & 0xFFFF) | quint32(vSize & 0xFFFF) << 16; }
inline int screenHSize(quint32 value) { return int(value & 0xFFFF); }
inline int screenVSize(quint32 value) { return int(value >> 16); }

// At revision 3 the two bytes are always sizes. At revision 4 a zero in
// exactly one byte marks an aspect ratio; two zeros mean an undefined size.
void decodeScreenSize(const Byte* image, Word revision, T_EDID_SCREEN_SIZE_RATIO& out);
// Ratios that do not fit in a byte are stored as the nearest value that does.
// A ratio equal to the one the loaded bytes give writes those bytes.
void encodeScreenSize(const T_EDID_SCREEN_SIZE_RATIO& in, Byte* image);

// Byte 23: display transfer characteristic.
struct DTC {
    int gamma = 100;        // gamma x 100, 100 to 355 (byte 255: defined elsewhere)
};

constexpr int MIN_GAMMA = 100;
constexpr int MAX_GAMMA = 354;

void decodeGamma(const Byte* image, DTC& out);
void encodeGamma(const DTC& in, Byte* image);

// Byte 24: feature support.
enum ColorEncodingKind { ENCODING_DIGITAL_REV3 = -1, ENCODING_ANALOG = 0, ENCODING_DIGITAL_REV4 = 1 };
enum AnalogColorType { COLOR_UNDEFINED = 0, COLOR_MONOCHROME = 1, COLOR_RGB = 2, COLOR_NON_RGB = 3 };
struct T_EDID_FEATURE_SUPPORT {
    Bool standby = false;
    Bool suspend = false;
    Bool activeOff = false;
    int encodingKind = ENCODING_ANALOG;
    int colorIndex = COLOR_MONOCHROME;  // analog colour type read from bits 4-3
    int colorEncoding = 0;              // bits 4-3 as a number: the digital encodings
    Bool srgb = false;
    Bool continuousFrequency = false;   // bit 0: continuous frequency (1.4), default GTF (1.3)
    Bool preferredTimingMode = false;
};

// Both colour fields are read from bits 4-3 whatever the input type, so the
// bits survive a change of input type or revision until the user edits them.
void decodeFeatureSupport(const Byte* image, Word revision, T_EDID_FEATURE_SUPPORT& out);
// Bits 4-3 come from the analog colour type for an analog input and from
// the encoding value, unchanged, for a digital input.
void encodeFeatureSupport(const T_EDID_FEATURE_SUPPORT& in, Bool isAnalog, Byte* image);

// Bytes 25-34: chromaticity coordinates as 10-bit codes.
enum { RED_X, RED_Y, GREEN_X, GREEN_Y, BLUE_X, BLUE_Y, WHITE_X, WHITE_Y };
struct T_EDID_COLOR_CHARACTERISTICS {
    Word codes[8] = {};     // red x, red y, green x, green y, blue x, blue y, white x, white y
};

constexpr Word MAX_CHROMATICITY_CODE = 1023;

void decodeColorCharacteristics(const Byte* image, T_EDID_COLOR_CHARACTERISTICS& out);
void encodeColorCharacteristics(const T_EDID_COLOR_CHARACTERISTICS& in, Byte* image);
// code / 1024 rounded half up to three decimals, "0.640".
QString chromaticityText(Word code);
// The nearest code (halves rounded down) of a value in [0, 1); values that
// round to 1024 give 1023.
Word chromaticityCode(double value);
// The same, except that a value equal to what `current` shows gives
// `current`: three decimals do not tell every 10-bit code apart, and
// entering what is shown must keep the bits.
Word chromaticityCode(double value, Word current);

// Bytes 35-37: established timings and the manufacturer's timings byte.
struct T_EDID_ESTABLISHED_TIMINGS {
    Bool timingsI[8] = {};      // byte 35, bit 7 first
    Bool timingsII[8] = {};     // byte 36, bit 7 first
    Bool manufacturerTiming = false;    // byte 37 bit 7
    Byte manufacturerReserved = 0;      // byte 37 bits 6-0, kept as loaded
};

void decodeEstablishedTimings(const Byte* image, T_EDID_ESTABLISHED_TIMINGS& out);
void encodeEstablishedTimings(const T_EDID_ESTABLISHED_TIMINGS& in, Byte* image);

// Bytes 38-53: eight standard timing codes.
constexpr int STANDARD_TIMING_COUNT = 8;
constexpr int STANDARD_TIMINGS_OFFSET = 38;

#endif
