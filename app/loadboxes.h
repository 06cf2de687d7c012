#ifndef LOADBOXES_H
#define LOADBOXES_H

#include "loadcorrections.h"

// Tells the user, with the boxes the editor has always shown, what opening
// an image changed in it: the core decides the corrections, this shows them.
void showLoadBoxes(const LoadCorrections& corrections);

#endif
