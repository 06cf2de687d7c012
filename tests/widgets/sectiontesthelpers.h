#ifndef SECTIONTESTHELPERS_H
#define SECTIONTESTHELPERS_H

// Shared by the section editor tests: test images, typing into fields and
// reading back what the hex viewer marks.

#include "checksum.h"
#include "edidrecords.h"
#include "hexaviewer.h"
#include "imagemodel.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QBrush>
#include <QComboBox>
#include <QLineEdit>
#include <QSet>
#include <QTableWidget>
#include <QtTest>

#include <cstring>

namespace SectionTest {

// A base block from its hex text (spaces allowed), padded with zeros to 256 bytes, with
// a correct checksum.
inline QByteArray image(const char* hex)
{
    QByteArray bytes = QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
    bytes.append(QByteArray(EDID_IMAGE_SIZE - bytes.size(), '\0'));
    updateBlockChecksum(reinterpret_cast<Byte*>(bytes.data()));
    return bytes;
}

// E-EDID 1.4, digital 8 bits DisplayPort, 60 x 34 cm, gamma 2.20, standby,
// RGB 4:4:4 + YCrCb, three standard timings.
inline QByteArray digital14()
{
    return image("00ffffffffffff00 5a3a2710 4c343232 1e1d 0104 a5 3c22 78 3a"
                 "ee95a3544c99260f 5054 a54b00 d1c0 818f 9500 0101 0101 0101 0101 0101");
}

// E-EDID 1.3, analog, 41 x 0 cm (one size missing), gamma 2.20, RGB colour,
// reserved manufacturer timing bits.
inline QByteArray analog13()
{
    return image("00ffffffffffff00 5a3a0100 c6030000 0b0d 0103 68 2900 78 ea"
                 "f064985751972721 4f54 b7ee7f 6140 0101 0101 0101 0101 0101 0101 0101");
}

// The bytes with some of them replaced, checksum corrected.
inline QByteArray patched(QByteArray bytes, std::initializer_list<std::pair<int, int>> changes)
{
    for (const auto& change : changes)
        bytes[change.first] = char(change.second);
    updateBlockChecksum(reinterpret_cast<Byte*>(bytes.data()));
    return bytes;
}

// Bytes first .. first + count - 1 of an image as hex text.
inline QByteArray hexOf(const Byte* image, int first, int count)
{
    return QByteArray(reinterpret_cast<const char*>(image + first), count).toHex();
}

// No box when `text` is empty, otherwise exactly one with this title and text.
inline void checkBox(const BoxRecorder& boxes, const QString& title, const QString& text)
{
    QCOMPARE(boxes.count(), text.isEmpty() ? 0 : 1);
    if (!text.isEmpty()) {
        QCOMPARE(boxes.lastTitle(), title);
        QCOMPARE(boxes.lastText(), text);
    }
}

// The document's bytes as the editors get them: the images of an image
// model, which every write goes through.
struct Images {
    ImageModel model;
    Byte* const saved = model.savedImage();
    Byte* const working = model.workingImage();
    T_EDID_DEF decoded;

    Images() { HexaViewer::instance()->setModel(&model); }

    // Puts the image into both images and decodes it (which sets the
    // current revision, as opening a file does).
    bool load(const QByteArray& bytes)
    {
        model.load(bytes);
        HexaViewer::instance()->setData(working);
        return decodeBaseBlock(saved, decoded);
    }
    bool unchanged() const { return std::memcmp(saved, working, EDID_IMAGE_SIZE) == 0; }
    bool checksumValid() const { return blockChecksumValid(working); }
    QSet<int> changedBytes() const
    {
        QSet<int> changed;
        for (int i = 0; i < EDID_IMAGE_SIZE; ++i) {
            if (saved[i] != working[i])
                changed << i;
        }
        return changed;
    }
};

// Replaces the text of a line edit by typing and finishes the edit with Enter.
inline void typeInto(QLineEdit* field, const QString& text)
{
    QVERIFY(field);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

// Clicks a check box or radio button on its indicator, as the user does
// (the middle of a wide button may lie outside its clickable area).
inline void click(QAbstractButton* button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

// Chooses an item of a combo box as the user does.
inline void choose(QComboBox* combo, int index)
{
    QVERIFY(combo);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The bytes the hex viewer shows in red (changed against the saved image).
inline QSet<int> markedBytes()
{
    auto* grid = HexaViewer::instance()->grid();
    QSet<int> marked;
    if (!grid)
        return marked;
    for (int i = 0; i < EDID_IMAGE_SIZE; ++i) {
        QTableWidgetItem* item = grid->item(i / 16, i % 16);
        if (item && item->foreground().color() == QColor(255, 0, 0))
            marked << i;
    }
    return marked;
}

inline QString describedValue(HexaViewer::Section section, const QString& label)
{
    for (const FieldDescription& pair : HexaViewer::instance()->description(section)) {
        if (pair.first == label)
            return pair.second;
    }
    return QStringLiteral("<missing>");
}

} // namespace SectionTest

#endif
