// The probe's drawing, in OpenGL ES 3.0 on the current context: kept apart from the platform
// contract, whose OpenGL is the program's.
#pragma once

// Shades the whole viewport by position (tens of thousands of colours). The program it draws
// with is made in the current context on first use; slot names the context.
void DrawShaded(int slot, int width, int height);
// Fills the viewport with one colour: (51, 102, 153).
void DrawFlat(int width, int height);
