#ifndef DESCRIPTORFIXTURE_H
#define DESCRIPTORFIXTURE_H

// The descriptor slots of a document, and the images their tests load.

#include "displaydescriptor.h"
#include "edid.h"
#include "imageload.h"
#include "sectiontesthelpers.h"

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

// The four descriptor slots of a document on the images of an image model,
// loaded, switched to another revision and made new as the main window does.
struct SlotFixture {
    SectionTest::Images images;
    Byte* const data = images.saved;
    Byte* const newData = images.working;
    QWidget host;  // before the document: the slots live in it and go first
    Edid doc{Edid::Hosts{&host, &host}};
    DisplayDescriptor* blocks[4] = {&doc.descriptor(0), &doc.descriptor(1), &doc.descriptor(2), &doc.descriptor(3)};

    // Shown, as in the Detailed Data tab, unless asked otherwise: a hidden
    // slot makes its editors only when something needs them.
    explicit SlotFixture(bool shown = true) { host.setVisible(shown); }

    // Opens the image as the main window does: the core corrects, the slots
    // show the corrected bytes.
    bool load(const QByteArray& image)
    {
        LoadedImage loaded;
        if (!loadImage(image, false, loaded).isEmpty())
            return false;
        images.model.load(loaded);
        decodeBaseBlock(newData, images.decoded);
        HexaViewer::instance()->setData(newData);
        doc.setImages(data, newData);
        doc.initFields(images.decoded);
        doc.adaptToEDIDVersion(false);
        return true;
    }

    void switchRevision(int revision)
    {
        doc.versionRecord().setRevision(Word(revision));
        doc.adaptToEDIDVersion(true);
        doc.versionRecord().write();
    }

    void newImage() { doc.buildNewImage(); }

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
            if (edit->isVisibleTo(blocks[s]))
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
