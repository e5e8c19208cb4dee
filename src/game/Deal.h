#pragma once

class IRandom;

// A dealt number: floor(r * 10 / 32767) for a draw r in 0..32767, so 0..10,
// and 10 only for r = 32767. A draw outside 0..32767 is taken as the nearer end.
int DealNumberFromDraw(int nDraw);
// Draws once from random and deals the number of that draw.
int DealNumber(IRandom& random);
