#include <gtest/gtest.h>

#include "tests/support/window_fixture.h"
#include "ui/display_panel.h"
#include "ui/player_control.h"
#include "widgets/bitmap_slider.h"
#include "widgets/gradient_progress.h"
#include "widgets/hot_link.h"
#include "widgets/integer_edit.h"
#include "widgets/picture_image.h"
#include "widgets/skin_label.h"
#include "widgets/starfield.h"

TEST(MainWindowLayout, WindowIsFramelessAndPlacedAsDesigned) {
  WindowFixture f;
  EXPECT_EQ(f.w().size(), QSize(443, 243));
  EXPECT_EQ(f.w().pos(), QPoint(442, 205));
  EXPECT_TRUE(f.w().windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_FALSE(f.w().FDragging);
}

TEST(MainWindowLayout, ControlsHaveTheirPlacesVisibilityAndEnabling) {
  WindowFixture f;
  TMainFenster& w = f.w();
  struct Case {
    const char* name;
    QWidget* control;
    QRect place;
    bool visible;
    bool enabled;
  };
  const Case cases[] = {
      {"HintergrImg", w.HintergrImg, {2, 0, 441, 144}, true, false},
      {"Play_on", w.Play_on, {10, 32, 43, 40}, true, true},
      {"Play", w.Play, {10, 32, 43, 40}, true, true},
      {"Pause_on", w.Pause_on, {53, 32, 43, 40}, true, false},
      {"Stop", w.Stop, {96, 32, 43, 40}, true, false},
      {"Zuruck", w.Zuruck, {139, 32, 43, 40}, true, false},
      {"Weiter", w.Weiter, {182, 32, 43, 40}, true, false},
      {"Open", w.Open, {225, 32, 43, 40}, true, true},
      {"Leiste", w.Leiste, {18, 168, 407, 34}, false, false},
      {"SwitchLevel", w.SwitchLevel, {61, 120, 63, 22}, true, true},
      {"Progress", w.Progress, {127, 104, 140, 17}, true, true},
      {"VolLev", w.VolLev, {4, 104, 121, 17}, true, false},
      {"SwitchVol", w.SwitchVol, {0, 120, 63, 22}, true, true},
      {"Dot", w.Dot, {130, 124, 17, 17}, true, false},
      {"Pause", w.Pause, {53, 32, 43, 40}, true, false},
      {"minimizeBtn", w.minimizeBtn, {243, 8, 24, 25}, true, true},
      {"Slider2", w.Slider2, {2, 144, 441, 17}, false, true},
      {"Slider1", w.Slider1, {18, 202, 407, 41}, false, false},
      {"Display", w.Display, {276, 8, 160, 120}, true, true},
      {"Stern", w.Stern, {2, 2, 156, 116}, true, true},
      {"Tamblo", w.Tamblo, {2, 2, 156, 116}, true, true},
      {"StartEdit", w.StartEdit, {151, 125, 115, 14}, false, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.control->geometry(), c.place) << c.name;
    EXPECT_EQ(!c.control->isHidden(), c.visible) << c.name;
    EXPECT_EQ(c.control->isEnabled(), c.enabled) << c.name;
  }
  EXPECT_FALSE(w.PlayerWindow->isVisibleTo(&w));
  EXPECT_EQ(w.Slider2->maximum(), 127);
  EXPECT_EQ(w.Slider2->position(), 64);
  EXPECT_EQ(w.Progress->caption(), QStringLiteral("0:00"));
  EXPECT_EQ(w.CloseBtn->caption(), QStringLiteral("schließen"));
  EXPECT_EQ(w.optBtn->caption(), QStringLiteral("optionen"));
  EXPECT_EQ(w.Quorvi->caption(), QStringLiteral("Quorvi"));
  EXPECT_EQ(w.OpenDlg.title, QStringLiteral("Mediendatei öffnen - Quorvi"));
  EXPECT_EQ(w.OpenDlg.filterIndex(), 1);
  EXPECT_FALSE(w.Timer->isActive());
  EXPECT_EQ(w.Timer->interval(), 10);
}

TEST(MainWindowLayout, ControlsWithAWindowLieAboveThePicturesAndLabels) {
  WindowFixture f;
  const QObjectList& order = f.w().children();
  auto index = [&](QObject* o) { return order.indexOf(o); };
  for (QWidget* windowed : {static_cast<QWidget*>(f.w().Slider2), static_cast<QWidget*>(f.w().Slider1),
                            static_cast<QWidget*>(f.w().Display), static_cast<QWidget*>(f.w().StartEdit)}) {
    EXPECT_GT(index(windowed), index(f.w().optBtn));
    EXPECT_GT(index(windowed), index(f.w().Pause));
  }
  EXPECT_GT(index(f.w().Play), index(f.w().Play_on));
  EXPECT_GT(index(f.w().Pause), index(f.w().Pause_on));
  EXPECT_LT(index(f.w().Slider2), index(f.w().Slider1));
  EXPECT_LT(index(f.w().Slider1), index(f.w().Display));
  EXPECT_LT(index(f.w().Display), index(f.w().StartEdit));
  const QObjectList& inDisplay = f.w().Display->children();
  EXPECT_GT(inDisplay.indexOf(f.w().Tamblo), inDisplay.indexOf(f.w().Stern));
}

TEST(MainWindowLayout, LogoShowsTheMiddleOfItsPicture) {
  WindowFixture f;
  EXPECT_EQ(f.w().Tamblo->pictureRect(), QRect(-39, -24, 235, 164));
  EXPECT_EQ(f.w().VolLev->pictureRect(), QRect(0, 0, 121, 17));
  EXPECT_EQ(f.w().minimizeBtn->pictureRect(), QRect(0, 0, 24, 22));
  EXPECT_EQ(f.w().Dot->pictureRect(), QRect(0, 0, 17, 17));
}

TEST(MainWindowLayout, RightAlignedLabelKeepsItsRightEdge) {
  WindowFixture f;
  SkinLabel* label = f.w().ByteProg;
  EXPECT_EQ(label->geometry().right() + 1, 434);
  const int oneDigit = label->width();
  label->setCaption(QStringLiteral("123456"));
  EXPECT_EQ(label->x() + label->width(), 434);
  EXPECT_GT(label->width(), oneDigit);
  label->setCaption(QStringLiteral("7"));
  EXPECT_EQ(label->x() + label->width(), 434);
  EXPECT_EQ(label->width(), oneDigit);
}

TEST(MouseRouting, PressesReachTheWindowWhereNoEnabledControlTakesThem) {
  struct Case {
    const char* where;
    QPoint point;
    bool reachesWindow;
  };
  const Case cases[] = {
      {"background picture", {200, 90}, true},    {"VolLev caption plate", {60, 110}, true},
      {"disabled Stop", {117, 52}, true},         {"disabled Pause", {74, 52}, true},
      {"disabled Dot", {138, 132}, true},         {"ByteProg label", {432, 134}, true},
      {"red field of SwitchVol", {5, 120}, true}, {"enabled Open", {246, 52}, false},
      {"optBtn label", {150, 16}, false},         {"Progress bar", {190, 112}, false},
      {"key of SwitchVol", {30, 130}, false},
  };
  for (const Case& c : cases) {
    WindowFixture f;
    f.press(c.point);
    EXPECT_EQ(f.w().FDragging, c.reachesWindow) << c.where;
    if (c.reachesWindow) {
      EXPECT_EQ(f.w().FDragX, c.point.x()) << c.where;
      EXPECT_EQ(f.w().FDragY, c.point.y()) << c.where;
    }
    f.release(c.point);
    EXPECT_FALSE(f.w().FDragging) << c.where;
  }
}

TEST(MouseRouting, AClickOnAnEnabledPictureRunsItsHandlerOnly) {
  WindowFixture f;
  f.click(QPoint(246, 52));  // Open: the dialog is asked, and cancelled
  EXPECT_EQ(f.dialog->requests.size(), 1u);
  EXPECT_FALSE(f.w().FDragging);
  f.click(QPoint(30, 130));  // the key of SwitchVol
  EXPECT_FALSE(f.w().Slider2->isHidden());
  f.click(QPoint(5, 120));  // its red field: nothing toggles
  EXPECT_FALSE(f.w().Slider2->isHidden());
}

TEST(MouseRouting, HoverReachesDisabledPicturesAndHintsComeFromThePointedControl) {
  WindowFixture f;
  f.move(QPoint(117, 52));
  EXPECT_EQ(f.w().hoverControl(), f.w().Stop);
  EXPECT_EQ(f.w().Stop->state(), TPicState::stEntered);
  f.move(QPoint(200, 90));
  EXPECT_EQ(f.w().Stop->state(), TPicState::stDefault);
  f.move(QPoint(432, 134));
  EXPECT_EQ(f.w().hoverControl(), f.w().ByteProg);
  EXPECT_TRUE(f.w().ByteProg->showHint());
  EXPECT_TRUE(f.w().VolLev->showHint());
  EXPECT_FALSE(f.w().Play->showHint());
}

TEST(FormCreate, BuildsTheVolumeHintWithoutAFile) {
  WindowFixture f;
  f.run([&] { f.w().FormCreate(); });
  EXPECT_TRUE(f.errors->messages.isEmpty());
  EXPECT_EQ(f.w().VolLev->hint(), QStringLiteral("Volume: 50% / Progress: 0%"));
  EXPECT_TRUE(f.backend->commands.isEmpty());
}

TEST(FormCreate, AFileThatCannotBeOpenedIsReportedAndStartUpGoesOn) {
  WindowFixture f({QStringLiteral("/nirgends/lied.mp3"), QStringLiteral("/zweites.mp3")});
  f.backend->openResult = 7;
  f.run([&] { f.w().FormCreate(); });
  ASSERT_EQ(f.errors->messages.size(), 1);
  EXPECT_EQ(f.errors->messages.front(), FakeMediaBackend::textFor(7));
  EXPECT_TRUE(f.w().VolLev->hint().isEmpty());  // the rest of FormCreate was skipped
  EXPECT_EQ(f.w().Player.fileName(), QStringLiteral("/nirgends/lied.mp3"));
  EXPECT_FALSE(f.w().Timer->isActive());
  EXPECT_FALSE(f.w().Stop->isEnabled());
}

TEST(FormCreate, OpensAndPlaysOnlyTheFirstArgument) {
  WindowFixture f({QStringLiteral("/musik/erstes lied.wav"), QStringLiteral("/musik/zweites.wav")});
  f.backend->lengthMs = 180000;
  f.run([&] { f.w().FormCreate(); });
  EXPECT_TRUE(f.errors->messages.isEmpty());
  EXPECT_EQ(f.backend->commands.value(0), QStringLiteral("open /musik/erstes lied.wav"));
  EXPECT_TRUE(f.backend->commands.contains(QStringLiteral("play")));
  EXPECT_FALSE(f.backend->commands.join(QLatin1Char('\n')).contains(QStringLiteral("zweites")));
  EXPECT_TRUE(f.w().Timer->isActive());
  EXPECT_TRUE(f.w().Play->isHidden());
  EXPECT_FALSE(f.w().Stern->active());     // no mode steps on the command line
  EXPECT_FALSE(f.w().Tamblo->isHidden());  // the logo stays
  EXPECT_EQ(f.w().ByteProg->hint(), QStringLiteral("Total: 180000"));
  EXPECT_EQ(f.w().VolLev->hint(), QStringLiteral("Volume: 50% / Progress: 0%"));
}

TEST(WindowShape, RedPixelsAreSeeThroughExceptInTheMovingPicture) {
  WindowFixture f;
  f.w().updateShape();
  const QRegion shape = f.w().shapeRegion();
  EXPECT_TRUE(shape.contains(QPoint(200, 90)));    // background picture
  EXPECT_FALSE(shape.contains(QPoint(200, 200)));  // the red strip below it
  EXPECT_FALSE(shape.contains(QPoint(0, 50)));     // left of the background
  EXPECT_FALSE(shape.contains(QPoint(2, 0)));      // its red top-left corner
  EXPECT_TRUE(shape.contains(QPoint(5, 120)));     // a switch's red field is not drawn: metal shows
  EXPECT_TRUE(shape.contains(QPoint(30, 130)));    // the key itself

  f.w().SwitchVolClick();  // the volume slider fills part of the strip
  f.w().updateShape();
  EXPECT_TRUE(f.w().shapeRegion().contains(QPoint(200, 152)));

  QImage red(160, 120, QImage::Format_RGB32);
  red.fill(QColor(255, 0, 0));
  f.w().Display->showVideoFrame(red, QRect(0, 0, 160, 120));
  f.w().updateShape();
  EXPECT_TRUE(f.w().shapeRegion().contains(QPoint(276 + 80, 8 + 60)));
}
