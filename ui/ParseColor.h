#pragma once

// The colour of a text "R,G,B" (the form the browser's settings use) as a
// COLORREF value, R | G << 8 | B << 16, each component cut to its low 8
// bits; -1 when the text does not have that form. Blanks before each number
// are skipped; anything after the third number's digits is ignored.
long ParseColor(const char* text);
