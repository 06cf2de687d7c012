#ifndef IMAGEMODEL_H
#define IMAGEMODEL_H

#include "edidtypes.h"
#include "imagefile.h"

#include <QByteArray>
#include <QObject>

struct LoadedImage;

// The one owner of the open document's bytes: the saved image (as last
// read or saved) and the working image (as edited), each the 256-byte
// image of a base block and one extension block, followed by whatever the
// file holds after byte 255 (further extension blocks and trailing bytes,
// kept as read).
//
// Every change of the working bytes goes through write(): it fixes the
// checksum of each block it touches and sends one change notice, which the
// hex viewer, the undo history and the modified state follow. The editors
// are handed pointers into the images (their `data` and `newData`): they
// read through them and write through the model that owns them.
class ImageModel : public QObject
{
    Q_OBJECT
public:
    explicit ImageModel(QObject* parent = nullptr);
    ~ImageModel() override;

    // The model whose image `pointer` points into; null for any other pointer.
    static ImageModel* owning(const Byte* pointer);

    // Replaces the document with an opened image: the bytes as read, the
    // bytes as the load corrections left them, and what the file holds past
    // byte 255.
    void load(const LoadedImage& image);
    // Replaces the document with `bytes` as both saved and working bytes (a
    // shorter input is padded with zeros).
    void load(const QByteArray& bytes);
    // An empty document: two zero images, nothing after them.
    void clear();
    // The working bytes become the saved bytes.
    void markSaved();
    bool isModified() const;

    Byte* savedImage() { return m_saved; }
    Byte* workingImage() { return m_working; }
    const Byte* savedImage() const { return m_saved; }
    const Byte* workingImage() const { return m_working; }
    // Working bytes from `offset` (clipped to what the document holds).
    QByteArray bytes(int offset, int count) const;
    QByteArray savedBytes(int offset, int count) const;
    // Every working byte: the image and what follows it.
    QByteArray workingBytes() const;
    int size() const { return EDID_IMAGE_SIZE + tailSize(m_workingTail); }
    // What Save writes: the image, then the blocks after it that byte 126
    // still announces.
    QByteArray fileBytes() const;

    // Writes `bytes` at `offset` of the working bytes and recomputes the
    // checksum (last byte) of every 128-byte block the write touches. A
    // write that changes nothing sends nothing.
    void write(int offset, const QByteArray& bytes);
    void write(int offset, const Byte* bytes, int count);
    // Puts bytes back exactly as an earlier state had them (undo, redo):
    // no checksum is recomputed and nothing is recorded.
    void restore(int offset, const QByteArray& bytes);

signals:
    // Working bytes first..last (inclusive) changed.
    void changed(int first, int last);
    // A write changed bytes `offset` .. offset + before.size() - 1, from
    // `before` to `after`: one step for the undo history.
    void written(int offset, const QByteArray& before, const QByteArray& after);

private:
    static int tailSize(const ImageTail& tail) { return tail.blocks.size() + tail.trailing.size(); }
    static QByteArray allBytes(const Byte* image, const ImageTail& tail);
    void replace(const Byte* saved, const Byte* working, const ImageTail& tail);
    Byte* workingByte(int index);
    void setWorking(int offset, const QByteArray& bytes);
    bool changes(int offset, const QByteArray& bytes) const;

    Byte m_saved[EDID_IMAGE_SIZE] = {};
    Byte m_working[EDID_IMAGE_SIZE] = {};
    ImageTail m_savedTail;
    ImageTail m_workingTail;
};

#endif
