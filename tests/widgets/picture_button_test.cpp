#include <QImage>
#include <QPainter>

#include <vector>

#include <gtest/gtest.h>

#include "widgets/picture_button.h"
#include "widgets/picture_button_core.h"

namespace {

using S = TPicState;

// What happens to the button, in the order the window's routing delivers it.
enum class Ev {
  Enter,
  Leave,
  Press,           // any button pressed over the button
  ReleaseOver,     // any button released with the pointer inside the button
  ReleaseOutside,  // released after the pointer left the button's rectangle while held
  Click,           // a whole left click: press, click, release over the button
  WriteDefault,    // the program writes stDefault
};

struct Step {
  Ev event;
  TPicState expected;
};

struct PictureSet {
  bool enter = false;
  bool clicked1 = false;
  bool clicked2 = false;
  bool down = false;
};

struct CycleCase {
  const char* name;
  PictureSet pictures;
  std::vector<Step> steps;
};

void feed(PictureButtonCore& core, Ev event) {
  switch (event) {
    case Ev::Enter:
      core.enter();
      break;
    case Ev::Leave:
      core.leave();
      break;
    case Ev::Press:
      core.press();
      break;
    case Ev::ReleaseOver:
      core.release(true);
      break;
    case Ev::ReleaseOutside:
      core.release(false);
      break;
    case Ev::Click:
      core.press();
      core.click();
      core.release(true);
      break;
    case Ev::WriteDefault:
      core.writeState(S::stDefault);
      break;
  }
}

TEST(PictureButtonCore, StateCycleFollowsThePicturesThatExist) {
  const PictureSet hoverOnly{.enter = true};
  const PictureSet toggle{.clicked1 = true};
  const PictureSet all{.enter = true, .clicked1 = true, .clicked2 = true, .down = true};
  const PictureSet hoverAndDown{.enter = true, .down = true};
  const std::vector<CycleCase> cases = {
      {"hover picture only: shown under the pointer, a click keeps it",
       hoverOnly,
       {{Ev::Enter, S::stEntered},
        {Ev::Click, S::stEntered},
        {Ev::Click, S::stEntered},
        {Ev::Leave, S::stDefault},
        {Ev::Enter, S::stEntered}}},
      {"hover picture only: a right click keeps the hover picture",
       hoverOnly,
       {{Ev::Enter, S::stEntered}, {Ev::Press, S::stEntered}, {Ev::ReleaseOver, S::stEntered}}},
      {"toggle: hovering changes nothing, odd clicks show the first click picture",
       toggle,
       {{Ev::Enter, S::stDefault},
        {Ev::Click, S::stClicked1},
        {Ev::Leave, S::stClicked1},
        {Ev::Enter, S::stClicked1},
        {Ev::Click, S::stDefault},
        {Ev::Click, S::stClicked1},
        {Ev::Click, S::stDefault}}},
      {"toggle: after the program writes stDefault the next click shows the click picture",
       toggle,
       {{Ev::Enter, S::stDefault},
        {Ev::Click, S::stClicked1},
        {Ev::WriteDefault, S::stDefault},
        {Ev::Leave, S::stDefault},
        {Ev::Enter, S::stDefault},
        {Ev::Click, S::stClicked1}}},
      {"all pictures: down while held, three clicks run the cycle",
       all,
       {{Ev::Enter, S::stEntered},
        {Ev::Press, S::stDown},
        {Ev::ReleaseOver, S::stEntered},
        {Ev::Click, S::stClicked1},
        {Ev::Press, S::stDown},
        {Ev::ReleaseOver, S::stEntered},
        {Ev::Leave, S::stClicked1},
        {Ev::Enter, S::stEntered},
        {Ev::Click, S::stClicked2},
        {Ev::Click, S::stEntered},
        {Ev::Leave, S::stDefault}}},
      {"released outside: the count decides, not the hover picture",
       hoverAndDown,
       {{Ev::Enter, S::stEntered}, {Ev::Press, S::stDown}, {Ev::ReleaseOutside, S::stDefault}}},
  };
  for (const CycleCase& c : cases) {
    PictureButtonCore core;
    core.setPictureAvailable(S::stDefault, true);
    core.setPictureAvailable(S::stEntered, c.pictures.enter);
    core.setPictureAvailable(S::stClicked1, c.pictures.clicked1);
    core.setPictureAvailable(S::stClicked2, c.pictures.clicked2);
    core.setPictureAvailable(S::stDown, c.pictures.down);
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
      feed(core, c.steps[i].event);
      EXPECT_EQ(core.state(), c.steps[i].expected) << c.name << ", step " << i;
    }
  }
}

TEST(PictureButtonCore, HoverPictureButtonsKeepTheirCountAtZero) {
  PictureButtonCore core;
  core.setPictureAvailable(S::stDefault, true);
  core.setPictureAvailable(S::stEntered, true);
  core.enter();
  for (int i = 0; i < 4; ++i) {
    feed(core, Ev::Click);
    EXPECT_EQ(core.clickCount(), 0);
  }
}

TEST(PictureButtonCore, EveryRequestIsReportedTakenOrNot) {
  PictureButtonCore core;
  core.setPictureAvailable(S::stDefault, true);
  core.setPictureAvailable(S::stClicked1, true);
  std::vector<std::pair<TPicState, bool>> requests;
  core.setRequestHandler([&](TPicState s, bool taken) { requests.emplace_back(s, taken); });
  core.click();  // count 1: the first click picture
  core.click();  // count 2: no second click picture, so the cycle restarts
  const std::vector<std::pair<TPicState, bool>> expected = {
      {S::stClicked1, true}, {S::stClicked2, false}, {S::stDefault, true}};
  EXPECT_EQ(requests, expected);
  EXPECT_EQ(core.clickCount(), 0);
}

// --- the widget ---------------------------------------------------------------------------------

constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kKey = 0xff3050c0;
constexpr QRgb kLit = 0xff20e020;
constexpr QRgb kSentinel = 0xffff00ff;

QImage filled(int w, int h, QRgb color) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(color);
  return image;
}

// A switch: a pure red field (bottom-left pixel red) with a key on its right side.
QImage switchPicture() {
  QImage image = filled(63, 22, kRed);
  QPainter(&image).fillRect(QRect(38, 3, 22, 16), QColor::fromRgb(kKey));
  return image;
}

// A dot: a red square with a coloured disc-like square in the middle.
QImage dotPicture() {
  QImage image = filled(39, 39, kRed);
  QPainter(&image).fillRect(QRect(13, 13, 13, 13), QColor::fromRgb(kKey));
  return image;
}

// The control's own drawing over a sentinel colour: the sentinel shows where nothing is drawn.
QImage drawnOverSentinel(PictureButton& button) {
  QImage out(button.size(), QImage::Format_RGB32);
  out.fill(kSentinel);
  button.render(&out, QPoint(), QRegion(), QWidget::DrawChildren);
  return out;
}

struct HitCase {
  const char* name;
  QImage picture;
  QSize control;
  PictureFit fit;
};

TEST(PictureButton, TransparentHitTestMatchesWhatIsDrawn) {
  const std::vector<HitCase> cases = {
      {"switch stretched 1:1", switchPicture(), QSize(63, 22), PictureFit{.stretch = true}},
      {"switch stretched wider", switchPicture(), QSize(90, 30), PictureFit{.stretch = true}},
      {"dot scaled down with its aspect", dotPicture(), QSize(17, 17), PictureFit{.proportional = true}},
      {"dot centred in a larger control", dotPicture(), QSize(50, 45), PictureFit{.center = true}},
  };
  for (const HitCase& c : cases) {
    PictureButton button;
    button.resize(c.control);
    button.setFit(c.fit);
    button.setTransparent(true);
    button.setPicture(c.picture);
    const QImage drawn = drawnOverSentinel(button);
    int refused = 0;
    for (int y = 0; y < c.control.height(); ++y) {
      for (int x = 0; x < c.control.width(); ++x) {
        const bool seeThrough = drawn.pixel(x, y) == kSentinel;
        const bool outsidePicture = !button.pictureRect().contains(x, y);
        // Refused exactly where the picture is drawn see-through; uncovered points are taken.
        EXPECT_EQ(button.acceptsPoint({x, y}), !seeThrough || outsidePicture)
            << c.name << " at " << x << "," << y;
        refused += button.acceptsPoint({x, y}) ? 0 : 1;
      }
    }
    EXPECT_GT(refused, 0) << c.name;
  }
}

TEST(PictureButton, HitTestUsesTheDefaultPictureWhateverIsShown) {
  PictureButton button;
  button.resize(17, 17);
  button.setFit(PictureFit{.proportional = true});
  button.setTransparent(true);
  button.setPicture(dotPicture());
  button.setPicClicked1(filled(39, 39, kLit).copy());
  button.routedClick();
  ASSERT_EQ(button.state(), TPicState::stClicked1);
  // 39 / 17 sampling: column 5 reads source column 11 (red), column 6 reads 13 (the dot).
  EXPECT_FALSE(button.acceptsPoint({5, 8}));
  EXPECT_TRUE(button.acceptsPoint({6, 8}));
  EXPECT_FALSE(button.acceptsPoint({0, 0}));
  EXPECT_FALSE(button.acceptsPoint({17, 8})) << "outside the control";

  button.setTransparent(false);
  EXPECT_TRUE(button.acceptsPoint({0, 0}));
}

TEST(PictureButton, ShowsStatePicturesAndReportsEveryRequest) {
  const QImage normal = filled(20, 10, kKey);
  const QImage hover = filled(20, 10, kLit);
  PictureButton button;
  button.resize(20, 10);
  button.setPicture(normal);
  button.setPicEnter(hover);
  int stateSignals = 0;
  int appearanceSignals = 0;
  QObject::connect(&button, &PictureButton::stateChanged, [&] { ++stateSignals; });
  QObject::connect(&button, &SkinControl::appearanceChanged, [&] { ++appearanceSignals; });

  // Disabled buttons still get hover notices from the window and show the hover picture.
  button.setEnabled(false);
  button.routedEnter();
  EXPECT_EQ(button.state(), TPicState::stEntered);
  EXPECT_EQ(drawnOverSentinel(button).pixel(5, 5), kLit);
  EXPECT_EQ(appearanceSignals, 1);

  // A right click over the hovered button asks for the hover picture again; what is shown does
  // not change, so the window is not told to recompute its shape.
  button.routedMousePress(Qt::RightButton, {2, 2}, false);
  button.routedMouseRelease(Qt::RightButton, {2, 2});
  EXPECT_EQ(button.state(), TPicState::stEntered);
  EXPECT_EQ(appearanceSignals, 1);

  // A state whose picture is empty keeps the picture and the state, and is still reported.
  stateSignals = 0;
  button.setState(TPicState::stDown);
  EXPECT_EQ(button.state(), TPicState::stEntered);
  EXPECT_EQ(drawnOverSentinel(button).pixel(5, 5), kLit);
  EXPECT_EQ(stateSignals, 1);

  button.routedLeave();
  EXPECT_EQ(button.state(), TPicState::stDefault);
  EXPECT_EQ(drawnOverSentinel(button).pixel(5, 5), kKey);
  EXPECT_EQ(appearanceSignals, 2);
}

TEST(PictureButton, ChangingAStatePictureShowsItInTheCurrentState) {
  PictureButton button;
  button.resize(8, 8);
  button.setPicture(filled(8, 8, kKey));
  button.setPicEnter(filled(8, 8, kRed));
  button.routedEnter();
  ASSERT_EQ(drawnOverSentinel(button).pixel(1, 1), kRed);
  button.setPicEnter(filled(8, 8, kLit));
  EXPECT_EQ(drawnOverSentinel(button).pixel(1, 1), kLit);
}

TEST(PictureButton, ClickRunsBeforeTheReleaseAndEveryPressIsReported) {
  PictureButton button;
  button.resize(30, 30);
  button.setPicture(filled(30, 30, kKey));
  button.setPicClicked1(filled(30, 30, kLit));
  std::vector<std::string> events;
  QObject::connect(&button, &PictureButton::clicked, [&] { events.push_back("click"); });
  QObject::connect(
      &button, &PictureButton::mousePressed, [&](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
        events.push_back("down " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
      });
  QObject::connect(
      &button, &PictureButton::mouseReleased, [&](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
        events.push_back("up " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y));
      });
  button.routedMousePress(Qt::LeftButton, {3, 4}, false);
  button.routedClick();
  button.routedMouseRelease(Qt::LeftButton, {3, 4});
  EXPECT_EQ(button.state(), TPicState::stClicked1) << "the release does not undo the click";
  button.routedMousePress(Qt::LeftButton, {5, 6}, true);
  const std::vector<std::string> expected = {"down 1 3,4", "click", "up 1 3,4", "down 1 5,6"};
  EXPECT_EQ(events, expected);
}

}  // namespace
