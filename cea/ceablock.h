#ifndef CEABLOCK_H
#define CEABLOCK_H

#include "ceacatalogue.h"
#include "edidtypes.h"

#include <QByteArray>
#include <QFrame>

// Base of the editors of the CEA-861 data blocks. A block editor holds its
// content itself and hands the extension editor the bytes that follow its
// header byte (blockBytes); the extension editor re-serializes the whole
// extension whenever a block emits valueChanged().
class CEABlock : public QFrame
{
    Q_OBJECT
public:
    explicit CEABlock(QWidget* parent = nullptr);

    // Loads the block from a data block of a loaded extension: `tag` is the
    // 3-bit tag code, `length` and `payload` the payload (without the
    // extended tag byte where the catalogue's extended tag is non-zero).
    // `payload` holds at least `length` bytes. The base only stores the images.
    virtual void initFields(int tag, int length, const Byte* payload, Byte* data, Byte* newData);
    // Makes this a new block with its default content.
    virtual void resetFields(Byte* data, Byte* newData);
    // The bytes that follow the header byte: the extended tag byte, if any,
    // then the payload.
    virtual QByteArray blockBytes() const;

    int blockType() const { return m_blockType; }
    virtual QString blockTypeName() const;
    virtual int tagCode() const;
    int extendedTag() const;
    bool helpShown() const { return m_helpShown; }
    QString helpText() const { return m_helpText; }

signals:
    void displayHelp(bool shown);
    void valueChanged();

public slots:
    // Sets the controls from the block's content. The base does nothing.
    virtual void updateUI();
    // Emits valueChanged(), then refreshes image bytes 128-255 of the hex viewer.
    void updateEDID();
    void onSubBlockValueChanged();

protected:
    // Sets the catalogue index and the help text of the catalogue.
    void setBlockType(int index);
    void setImages(Byte* savedImage, Byte* workingImage);
    // For the help buttons of the subclasses' forms.
    void setHelpShown(bool shown);

    Byte* data = nullptr;
    Byte* newData = nullptr;

private:
    int m_blockType = CEA_UNKNOWN;
    bool m_helpShown = false;
    QString m_helpText;
};

#endif
