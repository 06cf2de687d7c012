#ifndef DESCRIPTORFIXTURE_H
#define DESCRIPTORFIXTURE_H

// Four descriptor blocks on the images of an image model, loaded the way the
// document loads them: resetFields, initFields, revision.

#include "displaydescriptor.h"
#include "imageload.h"
#include "revision.h"
#include "sectiontesthelpers.h"

#include <memory>

using SectionTest::typeInto;

const QByteArray kDummy = hexBytes("00 00 00 10 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
// 1920x1080, 148.50 MHz, H blank 280, V blank 45, digital separate +/+.
const QByteArray kFullHdTiming = hexBytes("02 3A 80 18 71 38 2D 40 58 2C 45 00 10 09 00 00 00 1E");

// A valid base block of the given revision with four slot contents.
inline QByteArray baseImage(int revision, const QList<QByteArray>& blocks)
{
    QByteArray image(256, '\0');
    const QByteArray header = hexBytes("00 FF FF FF FF FF FF 00 10 AC 12 34 00 00 00 00 01 1E");
    image.replace(0, header.size(), header);
    image[18] = 1;
    image[19] = char(revision);
    for (int s = 0; s < 4; ++s)
        image.replace(54 + 18 * s, 18, blocks.value(s, kDummy).leftJustified(18, '\0', true));
    updateBaseChecksum(reinterpret_cast<Byte*>(image.data()));
    return image;
}

struct SlotFixture {
    ImageModel model;
    Byte* const data = model.savedImage();
    Byte* const newData = model.workingImage();
    std::unique_ptr<DisplayDescriptor> blocks[4];

    // Shown, as in the Detailed Data tab, unless asked otherwise: a hidden
    // slot makes its editors only when something needs them.
    explicit SlotFixture(bool shown = true)
    {
        HexaViewer::instance()->setModel(&model);
        for (int s = 0; s < 4; ++s) {
            blocks[s].reset(new DisplayDescriptor);
            blocks[s]->setLabel(QStringLiteral("Block %1").arg(s + 1));
            blocks[s]->setVisible(shown);
        }
    }

    // Opens the image as the main window does: the core corrects, the slots
    // show the corrected bytes.
    bool load(const QByteArray& image)
    {
        LoadedImage loaded;
        if (!loadImage(image, false, loaded).isEmpty())
            return false;
        model.load(loaded);
        T_EDID_DEF decoded;
        decodeBaseBlock(newData, decoded);
        HexaViewer::instance()->setData(newData);
        for (int s = 0; s < 4; ++s)
            blocks[s]->resetFields(data, newData, s);
        for (int s = 0; s < 4; ++s)
            blocks[s]->initFields(decoded.displayDescriptors[s], data, newData, s, s == 0);
        for (int s = 1; s < 4; ++s)
            blocks[s]->adaptToEDIDVersion(decoded.revision, false);
        return true;
    }

    // The document's revision switch: bytes 18-19 follow the blocks.
    void switchRevision(int revision)
    {
        for (int s = 1; s < 4; ++s)
            blocks[s]->adaptToEDIDVersion(Word(revision), true);
        const Byte bytes[2] = {1, Byte(revision)};
        setCurrentRevision(Word(revision));
        model.write(18, bytes, 2);
    }

    // The document's new image, for the descriptor slots.
    void newImage()
    {
        for (int s = 0; s < 4; ++s)
            blocks[s]->resetFields(data, newData, s);
        blocks[0]->setLockedType(DESC_DETAILED_TIMING);
        for (int s = 1; s < 4; ++s) {
            blocks[s]->setType(DESC_UNUSED);
            blocks[s]->writeDummyDescriptor();
        }
    }

    QByteArray slotBytes(int s) const
    {
        return QByteArray(reinterpret_cast<const char*>(newData + 54 + 18 * s), 18);
    }
    bool checksumValid() const { return blockChecksumValid(newData); }
    bool savedUnchanged(const QByteArray& image) const
    {
        return QByteArray(reinterpret_cast<const char*>(data), 256) == image;
    }

    QComboBox* combo(int s) const { return blocks[s]->findChild<QComboBox*>("monitorDescMulti"); }

    void choose(int s, int type)
    {
        combo(s)->setCurrentIndex(type);
        emit combo(s)->activated(type);
    }

    // The line edit of the slot's visible editor with that name.
    QLineEdit* field(int s, const char* name) const
    {
        for (QLineEdit* edit : blocks[s]->findChildren<QLineEdit*>(name)) {
            if (edit->isVisibleTo(blocks[s].get()))
                return edit;
        }
        return nullptr;
    }
};

// The text that the hex viewer shows in the cell of image byte `index`.
inline QString hexCell(int index)
{
    auto* grid = HexaViewer::instance()->grid();
    return grid->item(index / 16, index % 16)->text();
}

#endif
