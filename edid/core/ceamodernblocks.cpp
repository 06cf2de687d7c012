#include "ceamodernblocks.h"

bool describeModernDataBlock(const QByteArray&, int, DecodedNode&, Findings&)
{
    return false;
}
