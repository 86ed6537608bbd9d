// Moving the playback position: the position slider, the skip buttons and the start-position
// editor. The three position handlers differ on purpose in what they update afterwards.
#include "ui/conversion_error.h"
#include "ui/main_fenster.h"
#include "widgets/bitmap_slider.h"
#include "widgets/gradient_progress.h"
#include "widgets/integer_edit.h"
#include "widgets/skin_label.h"
#include "widgets/starfield.h"

namespace {
constexpr qint32 kSkipStep = 100;
constexpr qint32 kSkipThreshold = 99;  // a skip needs more than this many units in its direction

bool visible(const QWidget* control) {
  return !control->isHidden();
}
}  // namespace

void TMainFenster::Slider1Changed() {
  Player.setPosition(Slider1->position());
  ByteProg->setCaption(QString::number(Slider1->position()));
  Progress->setPosition(Slider1->position());
  Progress->setCaption(FormatPlayTime());
  UpdateVolLevHint();
  if (visible(Pause)) {
    Player.play();
    Timer->start();
  } else {
    Timer->stop();
  }
  if (visible(Play)) {
    Player.pause();
    Timer->stop();
    ShowAndHide(Play_on, Play);
    ShowAndHide(Pause_on, Pause);
  }
  if (Slider1->position() == 0) {
    ShowAndHide(Play, Play_on);
    ShowAndHide(Pause, Pause_on);
  }
}

void TMainFenster::ZuruckMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  if (Player.position() <= kSkipThreshold) {
    return;
  }
  SkipBy(-kSkipStep);
}

void TMainFenster::WeiterMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  const qint64 length = Player.length();
  if (length - Player.position() <= kSkipThreshold) {
    return;
  }
  SkipBy(kSkipStep);
}

// The skip itself: the device halts at the new place and the window shows the paused pictures;
// the slider and the volume hint keep their values until playback resumes.
void TMainFenster::SkipBy(qint32 delta) {
  Timer->stop();
  Player.setPosition(Player.position() + delta);
  ByteProg->setCaption(QString::number(Player.position()));
  Progress->setPosition(Player.position());
  Progress->setCaption(FormatPlayTime());
  Stern->setActive(false);
  if (visible(Play)) {
    ShowAndHide(Play_on, Play);
  }
  ShowAndHide(Pause_on, Pause);
}

void TMainFenster::DotClick() {
  if (!visible(StartEdit)) {
    StartEdit->show();
    StartEdit->setValue(toIntegerOrThrow(ByteProg->caption()));
    Player.pause();
    Timer->stop();
    ShowAndHide(Play_on, Play);
    ShowAndHide(Pause_on, Pause);
    return;
  }
  StartEdit->hide();
  Player.setFromPosition(StartEdit->value());
}
