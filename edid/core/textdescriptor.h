#ifndef TEXTDESCRIPTOR_H
#define TEXTDESCRIPTOR_H

#include "edidtypes.h"

// Text payload of the serial number, data string and product name
// descriptors: up to 13 one-byte characters, then 0x0A and 0x20 fill.
constexpr int DESCRIPTOR_TEXT_LENGTH = 13;

// Characters up to (not including) the first 0x0A, at most 13; each byte is
// read as the Latin-1 character of the same code so that any byte survives.
QString decodeDescriptorText(const Byte* payload);

// Writes the payload for `text` (only its first 13 characters). Returns
// false, writing nothing, when a character has no one-byte code.
bool encodeDescriptorText(const QString& text, Byte* payload);

// True when every character of `text` has a one-byte code.
bool descriptorTextEncodable(const QString& text);

#endif
