#include "decodeddocument.h"

#include "edidinfo.h"
#include "imagemodel.h"
#include "stageclock.h"

DecodedDocument::DecodedDocument(const ImageModel* model, QObject* parent)
    : QObject(parent), m_model(model)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &DecodedDocument::bringUpToDate);
    if (model)
        connect(model, &ImageModel::changed, this, &DecodedDocument::invalidate);
    m_timer.start();
}

QByteArray DecodedDocument::judgedBytes(const QByteArray& fileBytes)
{
    // The editor always holds a 256-byte image, as a text dump shows one.
    return dumpedEdidBytes(fileBytes);
}

void DecodedDocument::invalidate()
{
    m_stale = true;
    if (!m_timer.isActive())
        m_timer.start();
}

void DecodedDocument::bringUpToDate()
{
    m_timer.stop();
    if (!m_stale)
        return;
    m_stale = false;
    StageClock clock("full decode and problems");
    m_bytes = m_model ? judgedBytes(m_model->fileBytes()) : QByteArray();
    m_findings.clear();
    m_root = decodeEdid(m_bytes, m_findings);
    ++m_decodes;
    emit decoded();
}

const QByteArray& DecodedDocument::bytes()
{
    bringUpToDate();
    return m_bytes;
}

const DecodedNode& DecodedDocument::root()
{
    bringUpToDate();
    return m_root;
}

const Findings& DecodedDocument::findings()
{
    bringUpToDate();
    return m_findings;
}

const DecodedNode* DecodedDocument::blockNode(int block)
{
    const DecodedNode& top = root();
    const int offset = block * EDID_BLOCK_SIZE;
    for (const DecodedNode& node : top.children) {
        if (node.offset == offset)
            return &node;
    }
    return nullptr;
}

int DecodedDocument::blockCount()
{
    return bytes().size() / EDID_BLOCK_SIZE;
}
