#include "ceaoui.h"

QString ouiText(const Byte* lsbFirst)
{
    const uint value = uint(lsbFirst[0]) | uint(lsbFirst[1]) << 8 | uint(lsbFirst[2]) << 16;
    return QString::number(value, 16).toUpper().rightJustified(6, QLatin1Char('0'));
}

QByteArray ouiBytes(const QString& text)
{
    bool ok = false;
    uint value = text.toUInt(&ok, 16);
    if (!ok)
        value = 0;
    QByteArray bytes;
    for (int i = 0; i < 3; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
    return bytes;
}
