#ifndef EDIDVERSION_H
#define EDIDVERSION_H

#include "edidtypes.h"

#include <QStringList>

// Bytes 18-19: the E-EDID version (always written as 1) and revision (3 or 4).
class EdidVersion
{
public:
    Word revision() const { return m_revision; }
    void setRevision(Word revision) { m_revision = revision; }
    Word version() const { return m_version; }
    void setImages(Byte* data, Byte* newData)
    {
        m_data = data;
        m_newData = newData;
    }

    // Shows the decoded bytes. Opening a file has already made an
    // unsupported revision 4 (after the "Switch version" box); any other
    // revision than 3 is shown as 4.
    void initFields(Word version, Word revision, Byte* data, Byte* newData);
    // Writes 01 and the revision into bytes 18-19 of the working image.
    void write();

    static QString unsupportedRevisionText();

private:
    void describe() const;

    Byte* m_data = nullptr;
    Byte* m_newData = nullptr;
    Word m_version = 1;
    Word m_revision = 3;
};

#endif
