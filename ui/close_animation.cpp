#include "ui/close_animation.h"

std::vector<QRect> closeAnimationSteps(int w, int h) {
  std::vector<QRect> steps;
  for (int x = 0; x < w / 2; x += 2) {
    steps.emplace_back(x, 0, w - 2 * x, h);
  }
  return steps;
}
