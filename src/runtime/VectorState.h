#pragma once

namespace rt {

// Code that ran before (the window system's painting uses 256-bit AVX) can leave the upper halves
// of the vector registers dirty; every following SSE instruction of the teaching loop then pays a
// transition penalty, about doubling its time. Clearing that state costs a single instruction.
void ClearUpperVectorState();

}  // namespace rt
