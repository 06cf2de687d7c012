#ifndef DECODEDDOCUMENT_H
#define DECODEDDOCUMENT_H

#include "decodedtree.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>

class ImageModel;

// The full decode of the open document (every block, as decodeEdid() reads
// it) and its conformance findings, kept up to date with the document's
// bytes for the problems list and the hex viewer's later blocks.
//
// One user action often writes several times (a field, then the checksum,
// then a dependent section); the change notices only mark the decode as
// stale, and the decode runs once when the event loop is back. Reading it
// before that brings it up to date at once.
class DecodedDocument : public QObject
{
    Q_OBJECT
public:
    explicit DecodedDocument(const ImageModel* model, QObject* parent = nullptr);

    // The bytes the document is judged by: what Save writes, less the zero
    // block that pads an image without extension to 256 bytes.
    static QByteArray judgedBytes(const QByteArray& fileBytes);

    const QByteArray& bytes();
    const DecodedNode& root();
    const Findings& findings();
    // The node of block `block` (0 is the base block); null when the
    // document has no such block.
    const DecodedNode* blockNode(int block);
    int blockCount();
    // How often the bytes were decoded (the coalescing is checked by it).
    int decodeCount() const { return m_decodes; }

public slots:
    // The bytes changed or the document was replaced: decode again soon.
    void invalidate();

signals:
    // A new decode is ready.
    void decoded();

private:
    void bringUpToDate();

    QPointer<const ImageModel> m_model;
    QTimer m_timer;
    bool m_stale = true;
    int m_decodes = 0;
    QByteArray m_bytes;
    DecodedNode m_root;
    Findings m_findings;
};

#endif
