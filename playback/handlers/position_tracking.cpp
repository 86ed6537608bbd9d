// The 10 ms position timer: copies the device position into the window and notices the end of
// the media. Every mention of the position is a fresh device query.
#include "playback/play_texts.h"
#include "ui/main_fenster.h"
#include "widgets/bitmap_slider.h"
#include "widgets/gradient_progress.h"
#include "widgets/picture_image.h"
#include "widgets/progress_core.h"
#include "widgets/skin_label.h"
#include "widgets/starfield.h"

void TMainFenster::TimerTimer() {
  ByteProg->setCaption(QString::number(Player.position()));
  Progress->setPosition(Player.position());
  Slider1->setPosition(Player.position());
  Progress->setCaption(FormatPlayTime());
  VolLev->setHint(paddedVolLevHint(VolumePercent(), ProgressPercent()));
  if (Stern->active()) {
    Stern->setMaxSpeed(static_cast<quint8>(2 * ProgressPercent()));
  }
  // A tick that finds no open device (a failed open while media was playing) switches the
  // timer off before the length query raises, so the error is shown once, not every 10 ms.
  if (!Player.isOpen()) {
    Timer->stop();
  }
  if (Player.position() == Player.length()) {
    Slider1->setPosition(0);
    Progress->setPosition(0);
    Progress->setCaption(QStringLiteral("0:0"));
    ByteProg->setCaption(QStringLiteral("0"));
    UpdateVolLevHint();
    Player.stop();
    Stern->setActive(false);
    Tamblo->show();
    ShowAndHide(Play, Play_on);
    Timer->stop();
  }
}

QString TMainFenster::FormatPlayTime() {
  return formatPlayTime(Player.position());
}

int TMainFenster::VolumePercent() const {
  return volumePercent(Slider2->position());
}

int TMainFenster::ProgressPercent() const {
  return progressPercent(Progress->position(), Progress->minimum(), Progress->maximum());
}

void TMainFenster::UpdateVolLevHint() {
  VolLev->setHint(volLevHint(VolumePercent(), ProgressPercent()));
}
