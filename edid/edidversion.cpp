#include "edidversion.h"

#include "hexaviewer.h"
#include "imagemodel.h"
#include "revision.h"
#include "sectiondescriptions.h"

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
    m_revision = revision == 3 ? 3 : 4;
    describe();
}

void EdidVersion::write()
{
    ImageModel* model = m_newData ? ImageModel::owning(m_newData) : nullptr;
    if (!model)
        return;
    const Byte bytes[2] = {1, Byte(m_revision)};
    setCurrentRevision(m_revision);
    model->write(18, bytes, 2);
    describe();
}

void EdidVersion::describe() const
{
    HexaViewer::instance()->setVersionDescription(versionDescription(m_revision));
}
