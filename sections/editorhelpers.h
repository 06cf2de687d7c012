#ifndef EDITORHELPERS_H
#define EDITORHELPERS_H

#include "edidtypes.h"
#include "revision.h"

#include <QString>
#include <cmath>

namespace EditorHelpers {

// Text of a flag in the hex viewer descriptions.
inline QString yesNo(bool flag)
{
    return flag ? QStringLiteral("YES") : QStringLiteral("no");
}

// The revision of the image being loaded. Every revision other than 3 is
// edited as 4, which is what it becomes once loaded.
inline Word loadedRevision()
{
    return currentRevision() == 3 ? 3 : 4;
}

// value x 100 with its decimals beyond the second cut off. The small bias
// keeps entries such as 0.57 or 1.15, whose binary value lies just below
// the decimal one, from losing a hundredth.
inline int hundredths(double value)
{
    return int(std::floor(value * 100.0 + 1e-6));
}

} // namespace EditorHelpers

#endif
