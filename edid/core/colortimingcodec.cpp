#include "basesections.h"

#include <cmath>

// Bytes 25-34 ---------------------------------------------------------------

void decodeColorCharacteristics(const Byte* image, T_EDID_COLOR_CHARACTERISTICS& out)
{
    for (int i = 0; i < 8; ++i) {
        const Byte lowByte = image[25 + i / 4];
        const int lowBits = (lowByte >> (6 - 2 * (i % 4))) & 3;
        out.codes[i] = Word(image[27 + i] << 2 | lowBits);
    }
}

void encodeColorCharacteristics(const T_EDID_COLOR_CHARACTERISTICS& in, Byte* image)
{
    image[25] = 0;
    image[26] = 0;
    for (int i = 0; i < 8; ++i) {
        const Word code = qMin(in.codes[i], MAX_CHROMATICITY_CODE);
        image[27 + i] = Byte(code >> 2);
        image[25 + i / 4] |= Byte((code & 3) << (6 - 2 * (i % 4)));
    }
}

QString chromaticityText(Word code)
{
    // code / 1024 in thousandths, halves rounded up; 1023 gives 999.
    const int thousandths = (int(qMin(code, MAX_CHROMATICITY_CODE)) * 2000 + 1024) / 2048;
    return QStringLiteral("0.%1").arg(thousandths, 3, 10, QLatin1Char('0'));
}

Word chromaticityCode(double value)
{
    const double code = std::ceil(value * 1024.0 - 0.5);
    if (code <= 0)
        return 0;
    return Word(qMin(code, double(MAX_CHROMATICITY_CODE)));
}

Word chromaticityCode(double value, Word current)
{
    if (qAbs(value - chromaticityText(current).toDouble()) < 1e-7)
        return current;
    return chromaticityCode(value);
}

// Bytes 35-37 ---------------------------------------------------------------

void decodeEstablishedTimings(const Byte* image, T_EDID_ESTABLISHED_TIMINGS& out)
{
    for (int bit = 0; bit < 8; ++bit) {
        out.timingsI[bit] = (image[35] >> (7 - bit)) & 1;
        out.timingsII[bit] = (image[36] >> (7 - bit)) & 1;
    }
    out.manufacturerTiming = image[37] & 0x80;
    out.manufacturerReserved = image[37] & 0x7F;
}

void encodeEstablishedTimings(const T_EDID_ESTABLISHED_TIMINGS& in, Byte* image)
{
    Byte byteI = 0;
    Byte byteII = 0;
    for (int bit = 0; bit < 8; ++bit) {
        byteI |= Byte((in.timingsI[bit] ? 1 : 0) << (7 - bit));
        byteII |= Byte((in.timingsII[bit] ? 1 : 0) << (7 - bit));
    }
    image[35] = byteI;
    image[36] = byteII;
    image[37] = Byte((in.manufacturerTiming ? 0x80 : 0) | (in.manufacturerReserved & 0x7F));
}
