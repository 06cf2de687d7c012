#include "loadboxes.h"

#include "dialogs.h"
#include "edidversion.h"

#include <QMessageBox>

namespace {

void askUnsupportedRevision()
{
    QMessageBox box(QMessageBox::Question, "Switch version", EdidVersion::unsupportedRevisionText(),
                    QMessageBox::Yes);
    box.setStyleSheet(Dialogs::styleSheet());
    Dialogs::execBox(box);
}

} // namespace

void showLoadBoxes(const LoadCorrections& corrections)
{
    for (const LoadCorrection& correction : corrections) {
        if (correction.kind == "revision")
            askUnsupportedRevision();
        else if (correction.kind == "extension-padding")
            Dialogs::warning(nullptr, "Warning", "CEA Extension data block has a padding error.");
        else if (correction.kind == "extension-erased")
            Dialogs::warning(nullptr, "Warning",
                             "CEA Extension data block has a checksum error. The CEA data will be erased");
    }
}
