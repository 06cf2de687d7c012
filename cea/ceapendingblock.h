#ifndef CEAPENDINGBLOCK_H
#define CEAPENDINGBLOCK_H

#include "ceablock.h"
#include "ceaextension.h"

// A loaded data block (or run of detailed timings) of a catalogue type
// whose editor is not made yet. Opening a file creates one of these per
// block instead of a full editor with its many controls; the extension
// editor swaps in the real editor when the block is first selected. Until
// then the block counts and is written with exactly its loaded bytes.
class CEAPendingBlock : public CEABlock
{
    Q_OBJECT
public:
    CEAPendingBlock(int index, const CEAEntry& entry, QWidget* parent = nullptr);

    QByteArray blockBytes() const override { return m_entry.bytes; }
    int tagCode() const override { return m_entry.tag; }
    const CEAEntry& entry() const { return m_entry; }

    // The real editor, loaded from the bytes; nullptr when that editor would
    // not give back exactly these bytes (the caller then keeps them raw).
    CEABlock* createEditor(Byte* data, Byte* newData, QWidget* parent) const;

private:
    CEAEntry m_entry;
};

#endif
