#ifndef CEAEXTENSIONBLOCK_H
#define CEAEXTENSIONBLOCK_H

#include "edidtypes.h"

#include <QByteArray>
#include <QWidget>

// Editor of the CEA-861 extension block (image bytes 128-255). Until its
// data block editors exist it writes the empty extension and keeps a
// loaded extension exactly as it is.
class CEAExtensionBlock : public QWidget
{
    Q_OBJECT
public:
    explicit CEAExtensionBlock(QWidget* parent = nullptr);

    void resetFields(Byte* data, Byte* newData);
    // Takes a loaded extension as it is; true when it is a CEA-861 block.
    bool initFields(Byte* data, Byte* newData);
    void writeCEAHeader();
    QByteArray extensionBytes() const;
    Word version() const { return m_version; }

signals:
    void valueChanged();

private:
    FieldDescriptionList describeFields() const;

    Byte* m_data = nullptr;
    Byte* m_newData = nullptr;
    Word m_version = 3;
};

#endif
