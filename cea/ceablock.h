#ifndef CEABLOCK_H
#define CEABLOCK_H

#include "ceacatalogue.h"
#include "ceaextension.h"
#include "edidtypes.h"

#include <QByteArray>
#include <QFrame>

class CEAExtensionModel;

// Base of the editors of the CEA-861 data blocks: a view onto one entry of
// the extension model. A view is loaded from its entry's bytes, holds its
// content in its controls and hands back the bytes that follow its header
// byte (blockBytes) whenever it emits valueChanged(); the extension editor
// then replaces the entry's bytes in the model. Views never touch the image.
class CEABlock : public QFrame
{
    Q_OBJECT
public:
    explicit CEABlock(QWidget* parent = nullptr);

    // Loads the block from a data block of a loaded extension: `tag` is the
    // 3-bit tag code, `length` and `payload` the payload (without the
    // extended tag byte where the catalogue's extended tag is non-zero).
    // `payload` holds at least `length` bytes. The image pointers are not
    // used: the bytes reach the image through the extension model.
    virtual void initFields(int tag, int length, const Byte* payload, Byte* data, Byte* newData);
    // Makes this a new block with its default content.
    virtual void resetFields(Byte* data, Byte* newData);
    // The bytes that follow the header byte: the extended tag byte, if any,
    // then the payload.
    virtual QByteArray blockBytes() const;

    // Loads the block from an entry's bytes through initFields; false when
    // the block would not give back exactly those bytes.
    bool loadEntry(const CEAEntry& entry);
    // The extension the block belongs to, for blocks that show what other
    // blocks hold (the capability map lists the video block's formats).
    void setExtension(const CEAExtensionModel* extension) { m_extension = extension; }

    int blockType() const { return m_blockType; }
    QString blockTypeName() const;
    int tagCode() const;
    int extendedTag() const;
    bool helpShown() const { return m_helpShown; }
    QString helpText() const { return m_helpText; }

signals:
    void displayHelp(bool shown);
    void valueChanged();

public slots:
    // Sets the controls from the block's content. The base does nothing.
    virtual void updateUI();
    // Emits valueChanged(): the extension editor takes the new bytes.
    void updateEDID();
    void onSubBlockValueChanged();

protected:
    // Sets the catalogue index and the help text of the catalogue.
    void setBlockType(int index);
    // For the help buttons of the subclasses' forms.
    void setHelpShown(bool shown);
    const CEAExtensionModel* extension() const { return m_extension; }

private:
    int m_blockType = CEA_UNKNOWN;
    bool m_helpShown = false;
    QString m_helpText;
    const CEAExtensionModel* m_extension = nullptr;
};

#endif
