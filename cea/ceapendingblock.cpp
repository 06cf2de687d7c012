#include "ceapendingblock.h"

#include "ceablockfactory.h"

CEAPendingBlock::CEAPendingBlock(int index, const CEAEntry& entry, QWidget* parent)
    : CEABlock(parent), m_entry(entry)
{
    setBlockType(index);
}

CEABlock* CEAPendingBlock::createEditor(Byte* data, Byte* newData, QWidget* parent) const
{
    CEABlock* editor = createBlock(blockType(), parent);
    if (!editor)
        return nullptr;
    QByteArray payload = m_entry.bytes;
    int length = payload.size();
    if (m_entry.kind == CEAEntryKind::DetailedTimings) {
        length /= CEA_DTD_SIZE;
    } else if (blockTypeExtendedTag(blockType()) != 0 && length > 0) {
        // The editors of extended-tag blocks take the payload after that byte.
        payload.remove(0, 1);
        --length;
    }
    editor->initFields(m_entry.tag, length, reinterpret_cast<const Byte*>(payload.constData()), data, newData);
    if (editor->blockBytes() == m_entry.bytes)
        return editor;
    delete editor;
    return nullptr;
}
