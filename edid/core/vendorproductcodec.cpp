#include "basesections.h"

#include <cstdio>

void decodeVendorProduct(const Byte* image, T_EDID_VENDOR_PRODUCT& out)
{
    out = T_EDID_VENDOR_PRODUCT();
    const Word id = Word(image[8] << 8 | image[9]);
    out.manufacturerID[0] = char(((id >> 10) & 31) + 0x40);
    out.manufacturerID[1] = char(((id >> 5) & 31) + 0x40);
    out.manufacturerID[2] = char((id & 31) + 0x40);
    out.reservedBit = id & 0x8000;
    std::snprintf(out.productCode, sizeof out.productCode, "%04X", unsigned(image[11] << 8 | image[10]));
    const quint32 serial = quint32(image[12]) | quint32(image[13]) << 8 | quint32(image[14]) << 16
        | quint32(image[15]) << 24;
    std::snprintf(out.serialNumber, sizeof out.serialNumber, "%u", unsigned(serial));
    out.week = image[16];
    out.modelYear = image[16] == MODEL_YEAR_WEEK;
    out.year = Word(image[17] + 1990);
}

void encodeVendorProduct(const T_EDID_VENDOR_PRODUCT& in, Byte* image)
{
    const int code1 = in.manufacturerID[0] & 31;
    const int code2 = in.manufacturerID[1] & 31;
    const int code3 = in.manufacturerID[2] & 31;
    image[8] = Byte((in.reservedBit ? 0x80 : 0) | code1 << 2 | code2 >> 3);
    image[9] = Byte((code2 & 7) << 5 | code3);

    const Word product = Word(QByteArray(in.productCode).toUInt(nullptr, 16));
    image[10] = Byte(product & 0xFF);
    image[11] = Byte(product >> 8);

    // Callers refuse larger numbers; saturate rather than wrap if one slips through.
    const quint64 serial = qMin<quint64>(QByteArray(in.serialNumber).toULongLong(), MAX_SERIAL_NUMBER);
    for (int i = 0; i < 4; ++i)
        image[12 + i] = Byte(serial >> (8 * i));

    image[16] = in.modelYear ? MODEL_YEAR_WEEK : in.week;
    image[17] = Byte((in.year + 58) % 256);
}
