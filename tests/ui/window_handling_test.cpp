#include <QCoreApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/window_fixture.h"
#include "ui/tray_icon.h"
#include "widgets/bitmap_slider.h"
#include "widgets/hot_link.h"
#include "widgets/picture_image.h"
#include "widgets/skin_label.h"

namespace {

constexpr QPoint kDesignedPlace(442, 205);
constexpr QPoint kOnBackground(200, 90);
constexpr QPoint kSwitchVolKey(30, 130);
constexpr QPoint kSwitchLevelKey(91, 130);
constexpr QPoint kSwitchVolRedField(5, 120);
constexpr QPoint kOnQuorvi(30, 15);
constexpr QPoint kOnOptBtn(150, 16);
constexpr QPoint kOnByteProg(432, 134);
constexpr QPoint kOnVolLev(60, 110);
constexpr QPoint kOnPlay(31, 52);
constexpr QPoint kOnStop(117, 52);

// Every position the window takes, in order, as its move events report them.
class MoveRecorder : public QObject {
 public:
  explicit MoveRecorder(QWidget* window) { window->installEventFilter(this); }
  std::vector<QPoint> places;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Move) {
      places.push_back(static_cast<QMoveEvent*>(event)->pos());
    }
    return false;
  }
};

// The pointer at a screen point, as the window sees it: in its client coordinates at the time
// of the event, so they change when the window has moved.
void moveTo(WindowFixture& f, QPoint screen, Qt::MouseButtons buttons = Qt::NoButton) {
  f.move(screen - f.w().pos(), buttons);
}
void releaseAt(WindowFixture& f, QPoint screen, Qt::MouseButton button) {
  f.release(screen - f.w().pos(), button);
}

// A point of `control` that its picture leaves see-through and no other control takes, so a
// press there reaches the window.
std::optional<QPoint> seeThroughPointOf(TMainFenster& w, PictureButton* control) {
  const QRect r = control->geometry();
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      const QPoint p(x, y);
      if (!control->acceptsPoint(p - r.topLeft()) && w.controlAt(p, false) == nullptr &&
          w.controlAt(p, true) == w.HintergrImg) {
        return p;
      }
    }
  }
  return std::nullopt;
}

}  // namespace

// --- Dragging ---

TEST(WindowDrag, TheGrabbedPointFollowsThePointerInTwoMovesHorizontalFirst) {
  WindowFixture f;
  f.w().show();
  QCoreApplication::processEvents();
  ASSERT_EQ(f.w().pos(), kDesignedPlace);
  MoveRecorder moves(&f.w());

  const QPoint grab = kDesignedPlace + kOnBackground;
  f.press(kOnBackground);
  ASSERT_TRUE(f.w().FDragging);
  moveTo(f, grab + QPoint(30, -20), Qt::LeftButton);
  EXPECT_EQ(f.w().pos(), kDesignedPlace + QPoint(30, -20));
  ASSERT_EQ(moves.places.size(), 2u);
  EXPECT_EQ(moves.places[0], kDesignedPlace + QPoint(30, 0)) << "horizontal move first";
  EXPECT_EQ(moves.places[1], kDesignedPlace + QPoint(30, -20));

  // No bounds: far off the top-left of the screen.
  moveTo(f, grab + QPoint(-900, -600), Qt::LeftButton);
  EXPECT_EQ(f.w().pos(), kDesignedPlace + QPoint(-900, -600));
  releaseAt(f, grab + QPoint(-900, -600), Qt::LeftButton);
  EXPECT_FALSE(f.w().FDragging);

  // After the release the pointer moves the window no more.
  moveTo(f, grab);
  EXPECT_EQ(f.w().pos(), kDesignedPlace + QPoint(-900, -600));
}

TEST(WindowDrag, AMoveReportedAgainstTheWindowsOldPlaceStillKeepsTheGrabbedPointUnderThePointer) {
  // The windowing system may produce a move event before it has applied the window's last move;
  // its local position is then relative to the old place, its screen position is right.
  WindowFixture f;
  const QPoint grab = kDesignedPlace + kOnBackground;
  f.press(kOnBackground);
  moveTo(f, grab + QPoint(40, -30), Qt::LeftButton);
  ASSERT_EQ(f.w().pos(), kDesignedPlace + QPoint(40, -30));
  const QPoint pointer = grab + QPoint(118, 105);
  QMouseEvent late(QEvent::MouseMove, QPointF(pointer - kDesignedPlace), QPointF(pointer), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&f.w(), &late);
  EXPECT_EQ(f.w().pos(), kDesignedPlace + QPoint(118, 105));
  f.release(pointer - f.w().pos());
  EXPECT_FALSE(f.w().FDragging);
}

TEST(WindowDrag, PressAndReleaseWithoutMovementOrAMoveWithoutAPressMoveNothing) {
  WindowFixture f;
  f.move(kOnBackground + QPoint(40, 10));
  EXPECT_EQ(f.w().pos(), kDesignedPlace);
  f.press(kOnBackground);
  f.move(kOnBackground, Qt::LeftButton);
  f.release(kOnBackground);
  EXPECT_EQ(f.w().pos(), kDesignedPlace);
  EXPECT_FALSE(f.w().FDragging);
}

TEST(WindowDrag, ALeftDragKeepsTheMouseOutsideTheWindowAndOverControls) {
  WindowFixture f;
  const QPoint grab = kDesignedPlace + kOnBackground;
  f.press(kOnBackground);
  // Far left of and above the window: negative client coordinates still reach it.
  moveTo(f, grab + QPoint(-300, -250), Qt::LeftButton);
  EXPECT_EQ(f.w().pos(), kDesignedPlace + QPoint(-300, -250));
  // Over the enabled Open button: the window, not the button, gets the move.
  const QPoint overOpen = f.w().pos() + f.w().Open->geometry().center();
  moveTo(f, overOpen, Qt::LeftButton);
  EXPECT_EQ(f.w().pos(), kDesignedPlace + (overOpen - grab));
  EXPECT_EQ(f.w().Open->state(), TPicState::stDefault);
  // The release outside the window still ends the drag.
  releaseAt(f, QPoint(-2000, -2000), Qt::LeftButton);
  EXPECT_FALSE(f.w().FDragging);
  EXPECT_TRUE(f.dialog->requests.empty());
}

TEST(WindowDrag, RightAndMiddleDragsWorkOnlyOverTheSurfaceAndSurviveAReleaseOutside) {
  for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
    SCOPED_TRACE(button == Qt::RightButton ? "right" : "middle");
    WindowFixture f;
    const QPoint grab = kDesignedPlace + kOnBackground;
    f.press(kOnBackground, button);
    ASSERT_TRUE(f.w().FDragging);
    moveTo(f, grab + QPoint(15, 5), button);
    const QPoint afterFirst = kDesignedPlace + QPoint(15, 5);
    EXPECT_EQ(f.w().pos(), afterFirst);

    // No capture: outside the window the pointer is not the window's.
    moveTo(f, afterFirst + QPoint(-50, 60), button);
    EXPECT_EQ(f.w().pos(), afterFirst);
    releaseAt(f, afterFirst + QPoint(-50, 60), button);
    EXPECT_TRUE(f.w().FDragging) << "the release outside did not reach the window";

    // Back over the surface without any button: the window follows the pointer.
    const QPoint back = afterFirst + kOnBackground + QPoint(-10, 3);
    moveTo(f, back);
    EXPECT_EQ(f.w().pos(), afterFirst + QPoint(-10, 3));

    // A press and release on the surface end it.
    const QPoint here = back - f.w().pos();
    f.press(here);
    f.release(here);
    EXPECT_FALSE(f.w().FDragging);
    const QPoint settled = f.w().pos();
    moveTo(f, back + QPoint(20, 20));
    EXPECT_EQ(f.w().pos(), settled);
  }
}

TEST(WindowDrag, TheSecondPressOfADoubleClickGrabsAgain) {
  WindowFixture f;
  f.press(kOnBackground);
  f.release(kOnBackground);
  f.doubleClick(kOnBackground + QPoint(2, 1));
  EXPECT_TRUE(f.w().FDragging);
  EXPECT_EQ(f.w().FDragX, kOnBackground.x() + 2);
  EXPECT_EQ(f.w().FDragY, kOnBackground.y() + 1);
  f.release(kOnBackground + QPoint(2, 1));
  EXPECT_FALSE(f.w().FDragging);
}

// --- Panel switches ---

TEST(PanelSwitches, SwitchLevelShowsAndHidesTheScaleAndThePositionSliderTogether) {
  WindowFixture f;
  TMainFenster& w = f.w();
  ASSERT_EQ(w.controlAt(kSwitchLevelKey, false), w.SwitchLevel);
  ASSERT_EQ(w.controlAt(kSwitchVolKey, false), w.SwitchVol);
  struct Step {
    QPoint at;
    bool leiste;
    bool slider1;
    bool slider2;
    TPicState levelPicture;
    TPicState volPicture;
  };
  const Step steps[] = {
      {kSwitchLevelKey, true, true, false, TPicState::stClicked1, TPicState::stDefault},
      {kSwitchVolKey, true, true, true, TPicState::stClicked1, TPicState::stClicked1},
      {kSwitchLevelKey, false, false, true, TPicState::stDefault, TPicState::stClicked1},
      {kSwitchLevelKey, true, true, true, TPicState::stClicked1, TPicState::stClicked1},
      {kSwitchVolKey, true, true, false, TPicState::stClicked1, TPicState::stDefault},
  };
  const QImage raisedLevel = w.SwitchLevel->grab().toImage();
  int n = 0;
  for (const Step& s : steps) {
    SCOPED_TRACE(++n);
    f.click(s.at);
    f.move(kOnBackground);  // the pointer leaves, so the pictures show the click state
    EXPECT_EQ(!w.Leiste->isHidden(), s.leiste);
    EXPECT_EQ(!w.Slider1->isHidden(), s.slider1);
    EXPECT_EQ(!w.Slider2->isHidden(), s.slider2);
    EXPECT_EQ(w.SwitchLevel->state(), s.levelPicture);
    EXPECT_EQ(w.SwitchVol->state(), s.volPicture);
    // What is drawn alternates too: the raised key exactly when the picture is the default.
    EXPECT_EQ(w.SwitchLevel->grab().toImage() == raisedLevel, s.levelPicture == TPicState::stDefault);
    EXPECT_FALSE(w.FDragging);
  }
}

TEST(PanelSwitches, TheScaleAloneDecidesWhenTheTwoDisagree) {
  WindowFixture f;
  f.w().Slider1->show();  // out of step: only the slider shown
  f.w().SwitchLevelClick();
  EXPECT_FALSE(f.w().Leiste->isHidden());
  EXPECT_FALSE(f.w().Slider1->isHidden());
  f.w().Slider1->hide();
  f.w().SwitchLevelClick();
  EXPECT_TRUE(f.w().Leiste->isHidden());
  EXPECT_TRUE(f.w().Slider1->isHidden());
}

TEST(PanelSwitches, ADoubleClickOnASwitchTogglesOnce) {
  WindowFixture f;
  f.press(kSwitchVolKey);
  f.release(kSwitchVolKey);
  f.doubleClick(kSwitchVolKey);
  f.release(kSwitchVolKey);
  EXPECT_FALSE(f.w().Slider2->isHidden());
  EXPECT_FALSE(f.w().FDragging);
}

TEST(PanelSwitches, TheRedFieldOfASwitchStartsADragAndTogglesNothing) {
  WindowFixture f;
  const std::optional<QPoint> levelField = seeThroughPointOf(f.w(), f.w().SwitchLevel);
  ASSERT_TRUE(levelField.has_value()) << "SwitchLevel's picture has no see-through pixel over the background";
  for (QPoint p : {kSwitchVolRedField, *levelField}) {
    SCOPED_TRACE(testing::Message() << p.x() << "," << p.y());
    const QPoint start = f.w().pos();
    f.press(p);
    EXPECT_TRUE(f.w().FDragging);
    moveTo(f, start + p + QPoint(7, 4), Qt::LeftButton);
    releaseAt(f, start + p + QPoint(7, 4), Qt::LeftButton);
    EXPECT_EQ(f.w().pos(), start + QPoint(7, 4));
    EXPECT_TRUE(f.w().Leiste->isHidden());
    EXPECT_TRUE(f.w().Slider1->isHidden());
    EXPECT_TRUE(f.w().Slider2->isHidden());
    EXPECT_EQ(f.w().SwitchLevel->state(), TPicState::stDefault);
    EXPECT_EQ(f.w().SwitchVol->state(), TPicState::stDefault);
  }
}

TEST(PanelSwitches, TheShapeShowsTheStripBelowTheBackgroundOnlyWhereAPanelIsShown) {
  WindowFixture f;
  f.w().updateShape();
  const QPoint volumeStrip(200, 152);
  const QPoint scale(200, 185);
  const QPoint positionSlider(200, 222);
  EXPECT_TRUE(f.w().shapeRegion().contains(kOnBackground));
  for (QPoint p : {volumeStrip, scale, positionSlider}) {
    EXPECT_FALSE(f.w().shapeRegion().contains(p)) << p.x() << "," << p.y();
  }
  f.click(kSwitchVolKey);
  QCoreApplication::processEvents();  // the shape follows on its own
  EXPECT_TRUE(f.w().shapeRegion().contains(volumeStrip));
  EXPECT_FALSE(f.w().shapeRegion().contains(scale));
  f.click(kSwitchLevelKey);
  QCoreApplication::processEvents();
  EXPECT_TRUE(f.w().shapeRegion().contains(scale));
  EXPECT_TRUE(f.w().shapeRegion().contains(positionSlider));
  f.click(kSwitchVolKey);
  f.click(kSwitchLevelKey);
  QCoreApplication::processEvents();
  for (QPoint p : {volumeStrip, scale, positionSlider}) {
    EXPECT_FALSE(f.w().shapeRegion().contains(p)) << p.x() << "," << p.y();
  }
}

// --- The small top-row controls ---

TEST(TopRow, AClickOnOptBtnDoesNothingAndStartsNoDrag) {
  WindowFixture f;
  f.press(kOnOptBtn);
  EXPECT_FALSE(f.w().FDragging);
  f.move(kOnOptBtn + QPoint(20, 30), Qt::LeftButton);
  f.release(kOnOptBtn + QPoint(20, 30));
  f.click(kOnOptBtn);
  EXPECT_EQ(f.w().pos(), kDesignedPlace);
  EXPECT_TRUE(f.w().Slider2->isHidden());
  EXPECT_TRUE(f.w().Leiste->isHidden());
  EXPECT_TRUE(f.urls->opened.isEmpty());
  EXPECT_TRUE(f.errors->messages.isEmpty());
}

TEST(TopRow, MinimizeBtnOnlyMinimizesWhileNoTrayIconIsActive) {
  WindowFixture f;
  f.w().show();
  QCoreApplication::processEvents();
  f.click(f.w().minimizeBtn);
  EXPECT_TRUE(f.w().isMinimized());
  EXPECT_FALSE(f.w().isHidden()) << "hidden without an icon to bring it back";
  EXPECT_TRUE(f.w().TrayIcon->applicationShown());
}

TEST(TopRow, MinimizeBtnGoesToTheTrayOnceTheIconIsActive) {
  struct Case {
    const char* name;
    bool trayExists;
    bool hidden;
  };
  const Case cases[] = {{"with a tray", true, true}, {"without a tray", false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WindowFixture f;
    f.w().TrayIcon->setTrayAvailabilityProbe([&c] { return c.trayExists; });
    f.w().show();
    QCoreApplication::processEvents();
    f.w().TrayIcon->setActive(true);
    f.click(f.w().minimizeBtn);
    EXPECT_TRUE(f.w().isMinimized());
    EXPECT_EQ(f.w().isHidden(), c.hidden);
    EXPECT_EQ(f.w().TrayIcon->applicationShown(), !c.hidden);
  }
}

// --- The hot link ---

TEST(HotLinkLabel, HoverShowsTheHotTrackFontAndLeavingBringsTheSavedOneBack) {
  WindowFixture f;
  HotLink* link = f.w().Quorvi;
  const QFont normal = link->font();
  EXPECT_EQ(link->textColor(), QColor(192, 220, 192));
  EXPECT_FALSE(normal.underline());

  f.move(kOnQuorvi);
  EXPECT_TRUE(link->hot());
  EXPECT_EQ(link->textColor(), QColor(0, 255, 0));
  EXPECT_TRUE(link->font().underline());
  EXPECT_EQ(link->font().pixelSize(), normal.pixelSize());
  EXPECT_EQ(f.w().cursor().shape(), Qt::PointingHandCursor);

  f.move(kOnBackground);
  EXPECT_FALSE(link->hot());
  EXPECT_EQ(link->textColor(), QColor(192, 220, 192));
  EXPECT_EQ(link->font(), normal);
  EXPECT_NE(f.w().cursor().shape(), Qt::PointingHandCursor);
}

TEST(HotLinkLabel, OnlyAPressAndReleaseOnTheLabelOpensTheAddressOnce) {
  struct Case {
    const char* name;
    std::function<void(WindowFixture&)> gesture;
    int opens;
  };
  const Case cases[] = {
      {"click", [](WindowFixture& f) { f.click(kOnQuorvi); }, 1},
      {"double click",
       [](WindowFixture& f) {
         f.press(kOnQuorvi);
         f.release(kOnQuorvi);
         f.doubleClick(kOnQuorvi);
         f.release(kOnQuorvi);
       },
       1},
      {"pressed on it, released elsewhere",
       [](WindowFixture& f) {
         f.press(kOnQuorvi);
         f.move(kOnBackground, Qt::LeftButton);
         f.release(kOnBackground);
       },
       0},
      {"pressed elsewhere, released on it",
       [](WindowFixture& f) {
         f.press(kOnBackground);
         f.release(kOnBackground + QPoint(-1000, -1000) + kOnQuorvi);
       },
       0},
      {"right click",
       [](WindowFixture& f) {
         f.press(kOnQuorvi, Qt::RightButton);
         f.release(kOnQuorvi, Qt::RightButton);
       },
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WindowFixture f;
    const QString homepage = f.w().Quorvi->url();
    ASSERT_TRUE(homepage.startsWith(QStringLiteral("http"))) << homepage.toStdString();
    c.gesture(f);
    EXPECT_EQ(f.urls->opened, QStringList(c.opens, homepage));
    EXPECT_FALSE(f.w().FDragging && c.opens > 0);
  }
}

TEST(HotLinkLabel, AFailedOpenShowsNothing) {
  WindowFixture f;
  f.urls->result = false;
  f.click(kOnQuorvi);
  EXPECT_EQ(f.urls->opened.size(), 1);
  EXPECT_TRUE(f.errors->messages.isEmpty());
  EXPECT_EQ(f.w().pos(), kDesignedPlace);
}

// --- Hints ---

TEST(Hints, OnlyVolLevAndByteProgShowTheirHints) {
  WindowFixture f({QStringLiteral("/musik/lied.wav")});
  f.backend->lengthMs = 180000;
  f.run([&] { f.w().FormCreate(); });
  ASSERT_TRUE(f.errors->messages.isEmpty());
  // No position tick may rewrite the volume hint (to its padded form) while the tips are read.
  f.w().Timer->stop();
  // A picture with a text but without showHint stays silent.
  f.w().Stop->setHint(QStringLiteral("Stopp"));
  f.w().show();
  QCoreApplication::processEvents();
  struct Case {
    const char* name;
    QPoint at;
    QString shown;  // empty: no hint
  };
  // The silent places first: a tip that is being hidden stays visible for a moment.
  const Case cases[] = {
      {"Play_on", kOnPlay, {}},
      {"disabled Stop", kOnStop, {}},
      {"background", kOnBackground, {}},
      {"ByteProg", kOnByteProg, QStringLiteral("Total: 180000")},
      {"VolLev", kOnVolLev, QStringLiteral("Volume: 50% / Progress: 0%")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QHelpEvent help(QEvent::ToolTip, c.at, f.w().mapToGlobal(c.at));
    QCoreApplication::sendEvent(&f.w(), &help);
    if (c.shown.isEmpty()) {
      EXPECT_FALSE(QToolTip::isVisible()) << QToolTip::text().toStdString();
    } else {
      EXPECT_TRUE(QToolTip::isVisible());
      EXPECT_EQ(QToolTip::text(), c.shown);
    }
  }
  QToolTip::hideText();
}
