// Opening media: the open dialog, the open sequence shared by every open path, and the
// command-line open of FormCreate.
#include "playback/play_texts.h"
#include "ui/display_panel.h"
#include "ui/main_fenster.h"
#include "ui/player_control.h"
#include "widgets/bitmap_slider.h"
#include "widgets/gradient_progress.h"
#include "widgets/integer_edit.h"
#include "widgets/picture_image.h"
#include "widgets/skin_label.h"
#include "widgets/starfield.h"

namespace {
constexpr int kMilliseconds = 0;
constexpr int kHms = 1;
}  // namespace

void TMainFenster::FormCreate() {
  FDragging = false;
  if (!arguments_.isEmpty()) {
    OpenSequence(arguments_.constFirst(), [] {});
  }
  UpdateVolLevHint();
}

void TMainFenster::OpenSequence(const QString& fileName, const std::function<void()>& modeSteps) {
  Player.setFileName(fileName);
  Player.open();
  Player.play();
  EnablePlaybackControls();
  modeSteps();
  ApplyMediaLength();
  Timer->start();
  ShowAndHide(Play_on, Play);
}

void TMainFenster::OpenClick() {
  if (!OpenDlg.execute()) {
    return;
  }
  OpenSequence(OpenDlg.fileName(), [this] {
    if (AudioMode()) {
      Player.setDisplay(PlayerWindow);
      Tamblo->hide();
      Stern->setActive(true);
      Stern->show();
      Player.setTimeFormat(kHms);
    } else {
      Stern->setActive(false);
      Stern->hide();
      Player.setDisplay(Display);
      Player.setDisplayRect(Display->rect());
      Player.setTimeFormat(kMilliseconds);
    }
  });
}

// The dialog path of PlayClick, taken while no file name has been set.
void TMainFenster::PlayClick() {
  if (!Player.fileName().isEmpty()) {
    Player.play();
    Timer->start();
    ShowAndHide(Play_on, Play);
  } else if (OpenDlg.execute()) {
    OpenSequence(OpenDlg.fileName(), [this] {
      if (AudioMode()) {
        Player.setTimeFormat(kHms);
      } else {
        Player.setDisplayRect(Display->rect());
        Player.setTimeFormat(kMilliseconds);
      }
    });
  } else {
    Player.close();
  }
  StarfieldStep();
  Tamblo->hide();
}

void TMainFenster::EnablePlaybackControls() {
  Pause->setEnabled(true);
  Pause_on->setEnabled(true);
  Stop->setEnabled(true);
  Zuruck->setEnabled(true);
  Weiter->setEnabled(true);
  Slider1->setEnabled(true);
  Dot->setEnabled(true);
}

// Every use asks the device again; the window keeps no copy of the length.
void TMainFenster::ApplyMediaLength() {
  Progress->setMaximum(Player.length());
  Slider1->setMaximum(Player.length());
  StartEdit->setMaxValue(Player.length());
  ByteProg->setHint(totalHint(Player.length()));
}
