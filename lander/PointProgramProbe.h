// What tests and benchmarks look at in the point programs (lander/PointProgram.h).
#pragma once

#include "lander/PointProgram.h"

// The name of the current context's program of this kind, 0 while none is made.
unsigned PointProgramName(PointProgramKind kind);
