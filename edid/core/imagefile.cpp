#include "imagefile.h"

#include <cstring>

namespace {

// Upper bound on the bytes taken from a file: a base block and 255 extensions.
constexpr int kMaxImageBytes = EDID_BLOCK_SIZE * 256;

QByteArray hexByte(int value)
{
    return QByteArray::number(value, 16).rightJustified(2, '0').toUpper();
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Two characters read as "%02X" does: at most two hexadecimal digits,
// stopping at the first character that is not one; 0 when the first is not.
Byte pairValue(char high, char low)
{
    const int first = hexDigit(high);
    if (first < 0)
        return 0;
    const int second = hexDigit(low);
    return Byte(second < 0 ? first : first * 16 + second);
}

int announcedExtraBytes(const Byte* image)
{
    return image[126] >= 2 ? (image[126] - 1) * EDID_BLOCK_SIZE : 0;
}

// True when every 128-byte piece of `after` (the last one may be shorter)
// equals the start of one of the blocks of `kept`.
bool repeatsBlocks(const QByteArray& after, const QByteArray& kept)
{
    for (int piece = 0; piece < after.size(); piece += EDID_BLOCK_SIZE) {
        const size_t length = size_t(qMin(EDID_BLOCK_SIZE, after.size() - piece));
        bool found = false;
        for (int block = 0; block < kept.size() && !found; block += EDID_BLOCK_SIZE)
            found = std::memcmp(kept.constData() + block, after.constData() + piece, length) == 0;
        if (!found)
            return false;
    }
    return true;
}

} // namespace

ImageTail splitImageBytes(const QByteArray& raw, Byte* image)
{
    std::memset(image, 0, EDID_IMAGE_SIZE);
    std::memcpy(image, raw.constData(), size_t(qMin(raw.size(), EDID_IMAGE_SIZE)));
    ImageTail tail;
    const int held = qMax(0, raw.size() - EDID_IMAGE_SIZE);
    int extra = qMin(held, announcedExtraBytes(image));
    extra -= extra % EDID_BLOCK_SIZE;
    tail.blocks = raw.mid(EDID_IMAGE_SIZE, extra);
    const int keptEnd = EDID_IMAGE_SIZE + extra;
    if (raw.size() <= keptEnd)
        return tail;
    const QByteArray after = raw.mid(keptEnd);
    if (repeatsBlocks(after, raw.left(keptEnd))) {
        tail.droppedCopy = after.size();
        tail.droppedFrom = keptEnd;
    } else {
        tail.trailing = after;
    }
    return tail;
}

void dropTrailingCopy(ImageTail& tail, const Byte* image)
{
    if (tail.trailing.isEmpty())
        return;
    const QByteArray kept = QByteArray(reinterpret_cast<const char*>(image), EDID_IMAGE_SIZE) + tail.blocks;
    if (!repeatsBlocks(tail.trailing, kept))
        return;
    tail.droppedCopy = tail.trailing.size();
    tail.droppedFrom = kept.size();
    tail.trailing.clear();
}

QByteArray imageFileBytes(const Byte* image, const ImageTail& tail)
{
    QByteArray bytes(reinterpret_cast<const char*>(image), EDID_IMAGE_SIZE);
    const int announced = announcedExtraBytes(image);
    bytes += tail.blocks.left(announced);
    if (announced >= tail.blocks.size())
        bytes += tail.trailing;
    return bytes;
}

QString droppedCopyMessage(const ImageTail& tail)
{
    if (tail.droppedCopy == 0)
        return QString();
    return QStringLiteral("file bytes %1-%2 (%3 bytes) repeat the blocks before them: not kept")
        .arg(tail.droppedFrom).arg(tail.droppedFrom + tail.droppedCopy - 1).arg(tail.droppedCopy);
}

QByteArray writeTextDump(const QByteArray& bytes)
{
    QByteArray text = "EDID BYTES:\r\n0x   00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F\r\n";
    text += QByteArray(4, ' ') + QByteArray(48, '-');
    for (int i = 0; i < bytes.size(); ++i) {
        if (i % 16 == 0)
            text += "\r\n" + hexByte(i / 16) + " | ";
        else
            text += ' ';
        text += hexByte(Byte(bytes[i]));
    }
    return text + "\r\n";
}

QByteArray readTextDump(const QByteArray& text)
{
    QByteArray bytes;
    int pos = 0;
    const int size = text.size();
    for (int lineFeeds = 0; pos < size && lineFeeds < 3; ++pos) {
        if (text[pos] == '\n')
            ++lineFeeds;
    }
    while (pos < size && bytes.size() < kMaxImageBytes) {
        // Row label and separator: up to the character after "|", 7 at most.
        for (int read = 0; pos < size && read < 7; ++read) {
            if (text[pos++] == '|') {
                ++pos;
                break;
            }
        }
        QByteArray digits;
        for (int read = 0; pos < size && read < 47; ++read, ++pos) {
            const char c = text[pos];
            if (c != ' ' && c != '\n')
                digits += c;
        }
        for (int i = 0; i + 1 < digits.size() && bytes.size() < kMaxImageBytes; i += 2)
            bytes += char(pairValue(digits[i], digits[i + 1]));
        while (pos < size && text[pos++] != '\n') {
        }
    }
    if (bytes.size() < EDID_IMAGE_SIZE)
        bytes += QByteArray(EDID_IMAGE_SIZE - bytes.size(), '\0');
    return bytes;
}
