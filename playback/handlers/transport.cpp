// The transport buttons. The player's state is the visibility of the two picture pairs: a
// handler reads it afresh and changes it only through ShowAndHide.
#include "playback/play_texts.h"
#include "ui/main_fenster.h"
#include "widgets/bitmap_slider.h"
#include "widgets/gradient_progress.h"
#include "widgets/integer_edit.h"
#include "widgets/picture_image.h"
#include "widgets/skin_label.h"
#include "widgets/starfield.h"

namespace {
// The stored visibility flag, independent of whether the window itself is on screen.
bool visible(const QWidget* control) {
  return !control->isHidden();
}
}  // namespace

void TMainFenster::StarfieldStep() {
  if (AudioMode()) {
    Stern->setActive(true);
    Stern->show();
  } else {
    Stern->setActive(false);
    Stern->hide();
  }
}

void TMainFenster::CommitStartEdit() {
  if (visible(StartEdit)) {
    StartEdit->hide();
    Dot->setState(TPicState::stDefault);
    Player.setFromPosition(StartEdit->value());
  }
}

void TMainFenster::Play_onClick() {
  if (visible(Pause)) {
    Player.pause();
    Stern->setActive(false);
    ShowAndHide(Pause_on, Pause);
    Timer->stop();
    return;
  }
  CommitStartEdit();
  Player.play();
  StarfieldStep();
  ShowAndHide(Pause, Pause_on);
  Timer->start();
}

void TMainFenster::PauseClick() {
  if (!visible(Play_on)) {
    return;
  }
  Player.pause();
  Stern->setActive(false);
  ShowAndHide(Pause_on, Pause);
  Timer->stop();
}

void TMainFenster::Pause_onClick() {
  CommitStartEdit();
  StarfieldStep();
  Player.play();
  ShowAndHide(Pause, Pause_on);
  Timer->start();
}

void TMainFenster::StopClick() {
  Player.stop();
  Player.setPosition(0);
  ByteProg->setCaption(QStringLiteral("0"));
  Progress->setPosition(0);
  Progress->setCaption(QStringLiteral("0:0"));
  Slider1->setPosition(0);
  UpdateVolLevHint();
  if (visible(Stern)) {
    Stern->setActive(false);
    Stern->hide();
    Tamblo->show();
  }
  ShowAndHide(Play, Play_on);
  ShowAndHide(Pause, Pause_on);
  Timer->stop();
}
