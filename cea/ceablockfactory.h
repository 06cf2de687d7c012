#ifndef CEABLOCKFACTORY_H
#define CEABLOCKFACTORY_H

#include "ceamodernblocks.h"

class CEABlock;
class CEAPayloadForm;
class QWidget;

// The editor of a catalogue index (1 to 16); nullptr for 0 and any other
// index. The caller owns it. With the catalogue (edid/core/ceacatalogue)
// this is the one place that lists the block kinds: a new kind is a
// catalogue row, its codec in the core and a CEABlock view made here, which
// is loaded from its entry's bytes and hands back new ones.
CEABlock* createBlock(int index, QWidget* parent = nullptr);

// The form of a block with a codec of its own (shown inside the editor of
// its catalogue type: a vendor-specific block by its OUI, an extended-tag
// block by its tag); nullptr for a kind without a form.
CEAPayloadForm* createPayloadForm(ModernBlockKind kind, QWidget* parent = nullptr);

#endif
