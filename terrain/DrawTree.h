// Immediate-mode drawing of the leaves of a subdivision tree.
#pragma once

#include "terrain/DrawMode.h"

class HeightTable;
class TriNode;

// Emits every leaf below root once, depth first, each in its own begin/end pair, counter-
// clockwise from outside. The caller sets the colour; only HeightColoured with a table sets
// colours per corner.
void DrawTree(TriNode* root, DrawMode mode, const HeightTable* table);
