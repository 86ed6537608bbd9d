#include <gtest/gtest.h>

#include "widgets/picture_fit.h"

TEST(PictureFit, PlacesPicturesAsTheWindowDrawsThem) {
  struct Case {
    const char* what;
    QSize picture;
    QSize control;
    PictureFit fit;
    QRect drawn;
  };
  const Case cases[] = {
      {"VolLev: wide picture scaled down, aspect kept",
       {142, 20},
       {121, 17},
       {.proportional = true},
       {0, 0, 121, 17}},
      {"minimizeBtn: bottom rows stay uncovered", {43, 40}, {24, 25}, {.proportional = true}, {0, 0, 24, 22}},
      {"Dot: square scaled to the square", {39, 39}, {17, 17}, {.proportional = true}, {0, 0, 17, 17}},
      {"Tamblo: natural size, centred, reaches outside",
       {235, 164},
       {156, 116},
       {.center = true},
       {-39, -24, 235, 164}},
      {"Leiste: stretched at its own size", {407, 34}, {407, 34}, {.stretch = true}, {0, 0, 407, 34}},
      {"Slider ruler squeezed", {597, 41}, {441, 17}, {.stretch = true}, {0, 0, 441, 17}},
      {"proportional picture smaller than the control keeps its size",
       {10, 8},
       {20, 20},
       {.proportional = true},
       {0, 0, 10, 8}},
      {"tall picture: height first, then width", {20, 40}, {30, 10}, {.proportional = true}, {0, 0, 5, 10}},
      {"tall picture too wide after the height: width limits",
       {30, 40},
       {6, 100},
       {.proportional = true},
       {0, 0, 6, 8}},
      {"plain picture is cut, not scaled", {50, 50}, {20, 20}, {}, {0, 0, 50, 50}},
      {"centred and proportional",
       {40, 20},
       {20, 20},
       {.proportional = true, .center = true},
       {0, 5, 20, 10}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fittedPictureRect(c.picture, c.control, c.fit), c.drawn) << c.what;
  }
}
