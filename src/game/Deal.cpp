#include "game/Deal.h"

#include <algorithm>

#include "platform/IRandom.h"

int DealNumberFromDraw(int nDraw) {
    return std::clamp(nDraw, 0, 32767) * 10 / 32767;
}

int DealNumber(IRandom& random) {
    return DealNumberFromDraw(random.Next());
}
