#ifndef CEABLOCKFACTORY_H
#define CEABLOCKFACTORY_H

class CEABlock;
class QWidget;

// The editor of a catalogue index (1 to 13); nullptr for 0 and any other
// index. The caller owns it. With the catalogue (edid/core/ceacatalogue)
// this is the one place that lists the block kinds: a new kind is a
// catalogue row, its codec in the core and a CEABlock view made here, which
// is loaded from its entry's bytes and hands back new ones.
CEABlock* createBlock(int index, QWidget* parent = nullptr);

#endif
