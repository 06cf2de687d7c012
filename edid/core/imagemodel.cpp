#include "imagemodel.h"

#include "checksum.h"
#include "imagefile.h"

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

QByteArray padded(const QByteArray& bytes)
{
    return bytes.size() >= EDID_IMAGE_SIZE ? bytes
                                           : bytes + QByteArray(EDID_IMAGE_SIZE - bytes.size(), '\0');
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

void ImageModel::load(const QByteArray& saved, const QByteArray& working)
{
    const QByteArray savedBytes = padded(saved);
    const QByteArray workingBytes = padded(working);
    std::memcpy(m_saved, savedBytes.constData(), EDID_IMAGE_SIZE);
    std::memcpy(m_working, workingBytes.constData(), EDID_IMAGE_SIZE);
    m_savedTail = savedBytes.mid(EDID_IMAGE_SIZE);
    m_workingTail = workingBytes.mid(EDID_IMAGE_SIZE);
}

void ImageModel::clear()
{
    load(QByteArray(), QByteArray());
}

void ImageModel::markSaved()
{
    std::memcpy(m_saved, m_working, EDID_IMAGE_SIZE);
    m_savedTail = m_workingTail;
}

bool ImageModel::isModified() const
{
    return std::memcmp(m_saved, m_working, EDID_IMAGE_SIZE) != 0 || m_savedTail != m_workingTail;
}

QByteArray ImageModel::workingBytes() const
{
    return QByteArray(reinterpret_cast<const char*>(m_working), EDID_IMAGE_SIZE) + m_workingTail;
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
    const QByteArray all = QByteArray(reinterpret_cast<const char*>(m_saved), EDID_IMAGE_SIZE) + m_savedTail;
    return all.mid(offset, count);
}

Byte* ImageModel::workingByte(int index)
{
    if (index < EDID_IMAGE_SIZE)
        return m_working + index;
    return reinterpret_cast<Byte*>(m_workingTail.data()) + (index - EDID_IMAGE_SIZE);
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
