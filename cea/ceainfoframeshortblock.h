#ifndef CEAINFOFRAMESHORTBLOCK_H
#define CEAINFOFRAMESHORTBLOCK_H

#include "ceainfoframecodec.h"

#include <QObject>

// One short InfoFrame descriptor of an InfoFrame data block. A loaded
// descriptor keeps the payload bytes that follow its header (and OUI).
class CEAInfoFrameShortBlock : public QObject
{
    Q_OBJECT
public:
    explicit CEAInfoFrameShortBlock(int type, QObject* parent = nullptr);
    explicit CEAInfoFrameShortBlock(const ShortInfoFrameDescriptor& descriptor,
                                    QObject* parent = nullptr);

    int type() const { return m_descriptor.type; }
    QString oui() const { return m_descriptor.oui; }
    void setOui(const QString& text);
    int size() const { return m_descriptor.size(); }
    QByteArray descriptorBytes() const { return m_descriptor.bytes(); }

private:
    ShortInfoFrameDescriptor m_descriptor;
};

#endif
