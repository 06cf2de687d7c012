#ifndef INSTANCEMARKER_H
#define INSTANCEMARKER_H

#include <QString>

// A named, process-wide marker that other programs (an installer, say) can
// look up to see that a copy of the editor is running: a lock file named
// "VQZavoZozeziMutex" in the user's runtime directory, held until the
// process ends. Nothing in the program itself examines it.
namespace InstanceMarker {

QString path();
// Creates and locks the marker; the result is not needed by the caller.
bool create();

} // namespace InstanceMarker

#endif
