#ifndef CEAVIC_H
#define CEAVIC_H

#include <QString>
#include <QStringList>

// The CEA-861-F video identification codes the editor names: VIC 1 to 107.
constexpr int CEA_NAMED_VIC_COUNT = 107;

// Name of VIC 1 to 107; an empty string outside that range.
QString vicName(int vic);
// The items of the video format combo boxes: the 107 names in VIC order
// followed by "Other" (item i is VIC i + 1).
QStringList vicComboItems();

#endif
