#pragma once

#include <QRect>
#include <vector>

// The visible regions of the close animation for a window of w x h pixels: for x = 0, 2, 4, ...
// while x < w div 2, the columns x to w - x - 1. A 443-pixel window gives 111 steps, from the
// whole window down to a strip of 3 pixels (columns 220 to 222).
std::vector<QRect> closeAnimationSteps(int w, int h);
