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
        else if (correction.kind == "extension-checksum")
            Dialogs::warning(nullptr, "Warning",
                             "CEA Extension data block has a checksum error. The checksum will be corrected.");
        else if (correction.kind == "copy-dropped")
            Dialogs::warning(nullptr, "Warning",
                             QString("The file holds %1 bytes after its EDID blocks (bytes %2 to %3) that only "
                                     "repeat them. They will not be saved.")
                                 .arg(correction.last - correction.first + 1)
                                 .arg(correction.first)
                                 .arg(correction.last));
    }
}
