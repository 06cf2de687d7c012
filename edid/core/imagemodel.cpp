#include "imagemodel.h"

#include "checksum.h"
#include "imageload.h"

#include <QList>
#include <algorithm>
#include <cstring>

namespace {

QList<ImageModel*>& liveModels()
{
    static QList<ImageModel*> models;
    return models;
}

bool within(const Byte* pointer, const Byte* image)
{
    return pointer >= image && pointer < image + EDID_IMAGE_SIZE;
}

} // namespace

ImageModel::ImageModel(QObject* parent) : QObject(parent)
{
    liveModels().append(this);
}

ImageModel::~ImageModel()
{
    liveModels().removeOne(this);
}

ImageModel* ImageModel::owning(const Byte* pointer)
{
    for (ImageModel* model : liveModels()) {
        if (within(pointer, model->m_working) || within(pointer, model->m_saved))
            return model;
    }
    return nullptr;
}

void ImageModel::replace(const Byte* saved, const Byte* working, const ImageTail& tail)
{
    std::memcpy(m_saved, saved, EDID_IMAGE_SIZE);
    std::memcpy(m_working, working, EDID_IMAGE_SIZE);
    m_savedTail = tail;
    m_workingTail = tail;
}

void ImageModel::load(const LoadedImage& image)
{
    replace(image.saved, image.working, image.tail);
}

void ImageModel::load(const QByteArray& bytes)
{
    Byte image[EDID_IMAGE_SIZE];
    const ImageTail tail = splitImageBytes(bytes, image);
    replace(image, image, tail);
}

void ImageModel::clear()
{
    load(QByteArray());
}

void ImageModel::markSaved()
{
    std::memcpy(m_saved, m_working, EDID_IMAGE_SIZE);
    m_savedTail = m_workingTail;
}

bool ImageModel::isModified() const
{
    return std::memcmp(m_saved, m_working, EDID_IMAGE_SIZE) != 0
        || m_savedTail.blocks != m_workingTail.blocks || m_savedTail.trailing != m_workingTail.trailing;
}

QByteArray ImageModel::allBytes(const Byte* image, const ImageTail& tail)
{
    return QByteArray(reinterpret_cast<const char*>(image), EDID_IMAGE_SIZE) + tail.blocks + tail.trailing;
}

QByteArray ImageModel::workingBytes() const
{
    return allBytes(m_working, m_workingTail);
}

QByteArray ImageModel::fileBytes() const
{
    return imageFileBytes(m_working, m_workingTail);
}

QByteArray ImageModel::bytes(int offset, int count) const
{
    return workingBytes().mid(offset, count);
}

QByteArray ImageModel::savedBytes(int offset, int count) const
{
    return allBytes(m_saved, m_savedTail).mid(offset, count);
}

Byte* ImageModel::workingByte(int index)
{
    if (index < EDID_IMAGE_SIZE)
        return m_working + index;
    const int inTail = index - EDID_IMAGE_SIZE;
    if (inTail < m_workingTail.blocks.size())
        return reinterpret_cast<Byte*>(m_workingTail.blocks.data()) + inTail;
    return reinterpret_cast<Byte*>(m_workingTail.trailing.data()) + (inTail - m_workingTail.blocks.size());
}

bool ImageModel::changes(int offset, const QByteArray& bytes) const
{
    return this->bytes(offset, bytes.size()) != bytes;
}

void ImageModel::setWorking(int offset, const QByteArray& bytes)
{
    for (int i = 0; i < bytes.size(); ++i)
        *workingByte(offset + i) = Byte(bytes[i]);
}

void ImageModel::write(int offset, const Byte* bytes, int count)
{
    write(offset, QByteArray(reinterpret_cast<const char*>(bytes), count));
}

void ImageModel::write(int offset, const QByteArray& bytes)
{
    const int end = std::min(offset + bytes.size(), size());
    if (offset < 0 || offset >= end)
        return;
    // The span a step records: from the first byte written to the checksum
    // of the last block touched.
    const int last = std::min(((end - 1) / EDID_BLOCK_SIZE + 1) * EDID_BLOCK_SIZE, size()) - 1;
    const QByteArray before = this->bytes(offset, last - offset + 1);
    setWorking(offset, bytes.left(end - offset));
    // Bytes after the last whole block (kept as a file held them) have no checksum.
    for (int block = offset / EDID_BLOCK_SIZE; block <= last / EDID_BLOCK_SIZE; ++block) {
        if ((block + 1) * EDID_BLOCK_SIZE <= size())
            updateBlockChecksum(workingByte(block * EDID_BLOCK_SIZE));
    }
    const QByteArray after = this->bytes(offset, last - offset + 1);
    if (after == before)
        return;
    int first = 0;
    while (before[first] == after[first])
        ++first;
    int final = after.size() - 1;
    while (before[final] == after[final])
        --final;
    emit changed(offset + first, offset + final);
    emit written(offset, before, after);
}

void ImageModel::restore(int offset, const QByteArray& bytes)
{
    if (offset < 0 || offset + bytes.size() > size() || !changes(offset, bytes))
        return;
    setWorking(offset, bytes);
    emit changed(offset, offset + bytes.size() - 1);
}
