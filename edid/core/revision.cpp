#include "revision.h"

namespace {
Word g_revision = 3;
}

Word currentRevision()
{
    return g_revision;
}

void setCurrentRevision(Word revision)
{
    g_revision = revision;
}
