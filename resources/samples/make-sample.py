#!/usr/bin/env python3
"""Writes zozezi-sample.bin: an E-EDID 1.4 image of an imaginary 27-inch
digital display (manufacturer ID "VQZ") with a CEA-861 extension."""

import os


def manufacturer(code):
    value = 0
    for letter in code:
        value = value * 32 + (ord(letter) - ord('A') + 1)
    return [value >> 8, value & 0xFF]


def text_descriptor(tag, text):
    payload = list(text.encode('ascii'))[:13]
    if len(payload) < 13:
        payload += [0x0A] + [0x20] * (12 - len(payload))
    return [0, 0, 0, tag, 0] + payload


def checksum(block):
    block[127] = (256 - sum(block[:127]) % 256) % 256


def base_block():
    b = [0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00]
    b += manufacturer("VQZ") + [0x27, 0x10]          # product code 0x1027
    b += [0x2A, 0x00, 0x00, 0x00]                       # serial number 42
    b += [12, 2024 - 1990]                               # week 12 of 2024
    b += [0x01, 0x04]                                    # E-EDID 1.4
    b += [0xA5]                                          # digital, 8 bits, DisplayPort
    b += [60, 34]                                        # 60 x 34 cm
    b += [120]                                           # gamma 2.20
    b += [0x2E]                                          # active off, RGB+YCbCr 4:4:4, sRGB, preferred
    b += [0xEE, 0x91, 0xA3, 0x54, 0x4C, 0x99, 0x26, 0x0F, 0x50, 0x54]  # sRGB primaries
    b += [0x21, 0x08, 0x00]                              # 640x480@60, 800x600@60, 1024x768@60
    b += [0xD1, 0xC0, 0x81, 0xC0, 0x81, 0x80, 0xB3, 0x00,
          0x95, 0x00, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01]
    b += [0x02, 0x3A, 0x80, 0x18, 0x71, 0x38, 0x2D, 0x40, 0x58, 0x2C,
          0x45, 0x00, 0x58, 0x54, 0x21, 0x00, 0x00, 0x1E]  # 1920x1080@60, 148.5 MHz
    b += [0x00, 0x00, 0x00, 0xFD, 0x00, 0x30, 0x4B, 0x1E, 0x53, 0x11,
          0x00, 0x0A, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20]  # 48-75 Hz, 30-83 kHz, 170 MHz
    b += text_descriptor(0xFC, "ZOZEZI 27")
    b += text_descriptor(0xFF, "VQZ27A000042")
    b += [0x01, 0x00]
    checksum(b)
    return b


def cea_block():
    video = [0x40 | 6, 0x90, 0x04, 0x03, 0x02, 0x01, 0x5F]   # 1080p60 native, 720p, 480p, VGA, 4K30
    audio = [0x20 | 3, 0x09, 0x07, 0x07]                     # LPCM 2ch 32/44.1/48 kHz, 16/20/24 bit
    speaker = [0x80 | 3, 0x01, 0x00, 0x00]                   # FL/FR
    hdmi = [0x60 | 5, 0x03, 0x0C, 0x00, 0x10, 0x00]          # HDMI VSDB, address 1.0.0.0
    blocks = video + audio + speaker + hdmi
    dtd = [0x01, 0x1D, 0x00, 0x72, 0x51, 0xD0, 0x1E, 0x20, 0x6E, 0x28,
           0x55, 0x00, 0x58, 0x54, 0x21, 0x00, 0x00, 0x1E]  # 1280x720@60
    c = [0x02, 0x03, 4 + len(blocks), 0xF1] + blocks + dtd
    c += [0] * (128 - len(c))
    checksum(c)
    return c


image = bytes(base_block() + cea_block())
assert len(image) == 256
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "zozezi-sample.bin"), "wb") as f:
    f.write(image)
