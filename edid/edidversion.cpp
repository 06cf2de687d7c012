#include "edidversion.h"

#include "checksum.h"
#include "dialogs.h"
#include "hexaviewer.h"
#include "revision.h"
#include "sectiondescriptions.h"

#include <QMessageBox>

QString EdidVersion::unsupportedRevisionText()
{
    return "The Version defined in the EDID Structure is not Supported.\n"
           "The Version will be set to 1.4.";
}

void EdidVersion::initFields(Word, Word revision, Byte* data, Byte* newData)
{
    m_data = data;
    m_newData = newData;
    m_version = 1;
    m_revision = revision;
    if (revision != 3 && revision != 4) {
        QMessageBox box(QMessageBox::Question, "Switch version", unsupportedRevisionText(),
                        QMessageBox::Yes);
        box.setStyleSheet(Dialogs::styleSheet());
        Dialogs::execBox(box);
        m_revision = 4;
        write();
    }
    describe();
}

void EdidVersion::write()
{
    if (!m_newData)
        return;
    m_newData[18] = 1;
    m_newData[19] = Byte(m_revision);
    setCurrentRevision(m_revision);
    updateBaseChecksum(m_newData);
    HexaViewer::instance()->refreshBytes(m_data, m_newData, 18, 19);
    describe();
}

void EdidVersion::describe() const
{
    HexaViewer::instance()->setVersionDescription(versionDescription(m_revision));
}
