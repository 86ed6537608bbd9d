#include <QIcon>
#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/skin.h"
#include "ui/tray_icon.h"
#include "ui/tray_icon_core.h"

namespace {

using N = TrayNotification;
using Actions = std::vector<std::string>;

// A main window that records what the tray asks of it and keeps its minimized state.
class RecordingHost : public TrayHost {
 public:
  bool isMinimized() const override { return minimized; }
  void minimizeApplication() override {
    actions.push_back("minimize");
    minimized = true;
    // A real window reports its own minimizing as a minimize command.
    if (onMinimized) {
      onMinimized();
    }
  }
  void hideTaskbarEntry() override { actions.push_back("hideTaskbar"); }
  void showTaskbarEntry() override { actions.push_back("showTaskbar"); }
  void restoreApplication() override {
    actions.push_back("restore");
    minimized = false;
  }
  void showMainWindow() override { actions.push_back("showWindow"); }

  bool minimized = false;
  Actions actions;
  std::function<void()> onMinimized;
};

const Actions kHide{"minimize", "hideTaskbar"};
const Actions kRestore{"showTaskbar", "restore", "showWindow"};

Actions join(std::initializer_list<Actions> parts) {
  Actions all;
  for (const Actions& part : parts) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

}  // namespace

TEST(TrayClickTable, SequencesOfNotificationsEndInTheExpectedState) {
  struct Case {
    const char* name;
    bool shownBefore;
    std::vector<N> sequence;
    bool shownAfter;
    Actions actions;
  };
  const std::vector<N> click{N::LeftPress, N::LeftRelease};
  const std::vector<N> doubleClick{N::LeftPress, N::LeftRelease, N::LeftDoubleClick, N::LeftRelease};
  const Case cases[] = {
      {"click while shown", true, click, true, {}},
      {"click while hidden restores", false, click, true, kRestore},
      {"double-click while shown: hidden, then back with the closing release", true, doubleClick, true,
       join({kHide, kRestore})},
      {"double-click while hidden: back, hidden, back", false, doubleClick, true,
       join({kRestore, kHide, kRestore})},
      {"lone double-click while shown hides", true, {N::LeftDoubleClick}, false, kHide},
      {"lone double-click while hidden does nothing", false, {N::LeftDoubleClick}, false, {}},
      {"press alone while hidden", false, {N::LeftPress}, false, {}},
      {"right click while hidden", false, {N::RightPress, N::RightRelease, N::RightDoubleClick}, false, {}},
      {"right click while shown", true, {N::RightPress, N::RightRelease, N::RightDoubleClick}, true, {}},
      {"middle click while hidden",
       false,
       {N::MiddlePress, N::MiddleRelease, N::MiddleDoubleClick},
       false,
       {}},
      {"middle double-click while shown", true, {N::MiddleDoubleClick}, true, {}},
      {"keyboard choice while hidden", false, {N::KeyboardSelect}, false, {}},
      {"pointer over the icon while hidden", false, {N::PointerMove}, false, {}},
  };
  for (const Case& c : cases) {
    RecordingHost host;
    TrayIconCore core(host, [] { return true; });
    core.setActive(true);
    if (!c.shownBefore) {
      core.hideApplication();
      host.actions.clear();
    }
    ASSERT_EQ(core.applicationShown(), c.shownBefore) << c.name;
    for (N n : c.sequence) {
      core.notify(n);
    }
    EXPECT_EQ(core.applicationShown(), c.shownAfter) << c.name;
    EXPECT_EQ(host.actions, c.actions) << c.name;
    EXPECT_EQ(host.minimized, !c.shownAfter) << c.name;
  }
}

TEST(TrayIconCore, HidingAnAlreadyMinimizedWindowOnlyRemovesTheTaskbarEntry) {
  RecordingHost host;
  host.minimized = true;
  TrayIconCore core(host, [] { return true; });
  core.setActive(true);
  core.hideApplication();
  EXPECT_EQ(host.actions, Actions{"hideTaskbar"});
  EXPECT_FALSE(core.applicationShown());
}

TEST(TrayIconCore, AnInactiveIconDoesNothing) {
  RecordingHost host;
  TrayIconCore core(host, [] { return true; });
  for (N n : {N::LeftPress, N::LeftRelease, N::LeftDoubleClick, N::LeftRelease, N::RightRelease,
              N::MiddleRelease, N::KeyboardSelect}) {
    EXPECT_EQ(core.notify(n), TrayAction::None);
  }
  EXPECT_FALSE(core.minimizeCommand());
  EXPECT_TRUE(host.actions.empty());
  EXPECT_TRUE(core.applicationShown());
  EXPECT_FALSE(core.hookInstalled());
}

TEST(TrayIconCore, AutoHidesAMinimizeCommandOnlyWhileActive) {
  RecordingHost host;
  TrayIconCore core(host, [] { return true; });

  // Before the hand-over a minimize stays a minimize with its task bar entry.
  host.minimized = true;
  EXPECT_FALSE(core.minimizeCommand());
  EXPECT_TRUE(host.actions.empty());
  host.minimized = false;

  core.setActive(true);
  EXPECT_TRUE(core.hookInstalled());
  host.minimized = true;  // the command has minimized the window already
  EXPECT_TRUE(core.minimizeCommand());
  EXPECT_EQ(host.actions, Actions{"hideTaskbar"});
  EXPECT_FALSE(core.applicationShown());

  // Already in the tray: a further command changes nothing; a click brings it all back.
  host.actions.clear();
  EXPECT_FALSE(core.minimizeCommand());
  EXPECT_TRUE(host.actions.empty());
  core.notify(N::LeftRelease);
  EXPECT_EQ(host.actions, kRestore);
  EXPECT_TRUE(core.applicationShown());

  // Deactivated: the hook stays, but it no longer hides.
  core.setActive(false);
  host.actions.clear();
  host.minimized = true;
  EXPECT_FALSE(core.minimizeCommand());
  EXPECT_TRUE(host.actions.empty());
  EXPECT_TRUE(core.hookInstalled());
}

TEST(TrayIconCore, HidingMinimizesOnceEvenWhenTheWindowReportsItsOwnMinimize) {
  RecordingHost host;
  TrayIconCore core(host, [] { return true; });
  core.setActive(true);
  bool nestedHid = true;
  host.onMinimized = [&] { nestedHid = core.minimizeCommand(); };
  core.notify(N::LeftDoubleClick);
  EXPECT_FALSE(nestedHid);
  EXPECT_EQ(host.actions, kHide);
  EXPECT_FALSE(core.applicationShown());
}

TEST(TrayIconCore, WithoutATrayTheWindowIsNeverHidden) {
  RecordingHost host;
  bool trayThere = false;
  TrayIconCore core(host, [&] { return trayThere; });
  core.setActive(true);

  host.minimized = true;
  EXPECT_FALSE(core.minimizeCommand());
  core.notify(N::LeftDoubleClick);
  core.hideApplication();
  EXPECT_TRUE(host.actions.empty());
  EXPECT_TRUE(core.applicationShown());

  // A tray that appears later takes the next minimize.
  trayThere = true;
  EXPECT_TRUE(core.minimizeCommand());
  EXPECT_EQ(host.actions, Actions{"hideTaskbar"});
}

namespace {

Skin iconSkin() {
  Skin skin;
  skin.icon32 = QImage(32, 32, QImage::Format_ARGB32);
  skin.icon32.fill(Qt::green);
  skin.icon16 = QImage(16, 16, QImage::Format_ARGB32);
  skin.icon16.fill(Qt::green);
  return skin;
}

}  // namespace

TEST(TrayIcon, ShowsTheProgramIconWithItsHintOnlyOnceActive) {
  RecordingHost host;
  TrayIcon tray(iconSkin(), host);
  EXPECT_EQ(tray.systemTrayIcon().toolTip(), QStringLiteral("Quorvi"));
  const QList<QSize> sizes = tray.systemTrayIcon().icon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
  EXPECT_TRUE(sizes.contains(QSize(16, 16)));
  EXPECT_FALSE(tray.isActive());
  EXPECT_FALSE(tray.systemTrayIcon().isVisible());

  tray.setTrayAvailabilityProbe([] { return true; });
  tray.handleActivation(QSystemTrayIcon::DoubleClick);
  EXPECT_TRUE(host.actions.empty());

  tray.setActive(true);
  EXPECT_TRUE(tray.isActive());
  EXPECT_TRUE(tray.systemTrayIcon().isVisible());
}

TEST(TrayIcon, QtActivationSequencesFollowTheClickRules) {
  using R = QSystemTrayIcon::ActivationReason;
  struct Case {
    const char* name;
    bool shownBefore;
    std::vector<R> reasons;
    bool shownAfter;
  };
  const Case cases[] = {
      {"single click while shown", true, {R::Trigger}, true},
      {"single click while hidden", false, {R::Trigger}, true},
      // Qt reports a double-click as a click followed by the double-click, without its release.
      {"double-click while shown", true, {R::Trigger, R::DoubleClick}, true},
      {"double-click while hidden", false, {R::Trigger, R::DoubleClick}, true},
      // A platform that reports the closing release too ends the same way.
      {"double-click with its release while shown", true, {R::Trigger, R::DoubleClick, R::Trigger}, true},
      {"double-click with its release while hidden", false, {R::Trigger, R::DoubleClick, R::Trigger}, true},
      {"context click while hidden", false, {R::Context}, false},
      {"middle click while hidden", false, {R::MiddleClick}, false},
      {"unknown while hidden", false, {R::Unknown}, false},
  };
  for (const Case& c : cases) {
    RecordingHost host;
    TrayIcon tray(iconSkin(), host);
    tray.setTrayAvailabilityProbe([] { return true; });
    tray.setActive(true);
    if (!c.shownBefore) {
      host.minimized = true;  // minimized from the task bar, then taken to the tray
      ASSERT_TRUE(tray.minimizeCommand()) << c.name;
    }
    for (R reason : c.reasons) {
      tray.handleActivation(reason);
    }
    EXPECT_EQ(tray.applicationShown(), c.shownAfter) << c.name;
    EXPECT_EQ(host.minimized, !c.shownAfter) << c.name;
  }
}

TEST(TrayIcon, WithoutATrayAMinimizeOnlyMinimizes) {
  RecordingHost host;
  TrayIcon tray(iconSkin(), host);
  tray.setTrayAvailabilityProbe([] { return false; });
  tray.setActive(true);
  host.minimized = true;
  EXPECT_FALSE(tray.minimizeCommand());
  EXPECT_TRUE(host.actions.empty());
  EXPECT_TRUE(tray.applicationShown());
}
