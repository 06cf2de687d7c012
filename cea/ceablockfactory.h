#ifndef CEABLOCKFACTORY_H
#define CEABLOCKFACTORY_H

class CEABlock;
class QWidget;

// The editor of a catalogue index (1 to 13); nullptr for 0 and any other
// index. The caller owns it.
CEABlock* createBlock(int index, QWidget* parent = nullptr);

#endif
