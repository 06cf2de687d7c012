#include "textdescriptor.h"

QString decodeDescriptorText(const Byte* payload)
{
    QString text;
    for (int i = 0; i < DESCRIPTOR_TEXT_LENGTH && payload[i] != 0x0A; ++i)
        text.append(QChar(ushort(payload[i])));
    return text;
}

bool descriptorTextEncodable(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

bool encodeDescriptorText(const QString& text, Byte* payload)
{
    const QString used = text.left(DESCRIPTOR_TEXT_LENGTH);
    if (!descriptorTextEncodable(used))
        return false;
    int i = 0;
    for (; i < used.size(); ++i)
        payload[i] = Byte(used.at(i).unicode());
    if (i < DESCRIPTOR_TEXT_LENGTH)
        payload[i++] = 0x0A;
    for (; i < DESCRIPTOR_TEXT_LENGTH; ++i)
        payload[i] = 0x20;
    return true;
}
