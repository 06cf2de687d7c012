#ifndef IMAGECHECK_H
#define IMAGECHECK_H

#include "edidtypes.h"

#include <QList>
#include <QString>

// Structural checks of a 256-byte image: what the editor tests when it
// opens a file, and what the extension block must satisfy.
struct ImageCheck {
    QString name;       // "header", "base checksum", "extension tag", ...
    bool passed;
    QString detail;     // why it failed
};
typedef QList<ImageCheck> ImageChecks;

ImageChecks checkImage(const Byte* image);

// The extension block part, run when byte 126 announces an extension.
void checkExtension(const Byte* image, ImageChecks& checks);

inline bool allPassed(const ImageChecks& checks)
{
    for (const ImageCheck& check : checks) {
        if (!check.passed)
            return false;
    }
    return true;
}

#endif
