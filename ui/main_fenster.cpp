#include "ui/main_fenster.h"

#include <QCoreApplication>
#include <QThread>

#include "playback/media_backend.h"
#include "ui/close_animation.h"
#include "ui/display_panel.h"
#include "ui/fonts.h"
#include "ui/invent.h"
#include "ui/player_control.h"
#include "ui/tray_icon.h"
#include "widgets/bitmap_slider.h"
#include "widgets/gradient_progress.h"
#include "widgets/hot_link.h"
#include "widgets/integer_edit.h"
#include "widgets/picture_image.h"
#include "widgets/skin_label.h"
#include "widgets/starfield.h"
#include "widgets/url_opener.h"

namespace {

// The window, laid out for 96 pixels per inch.
constexpr QPoint kWindowPlace(442, 205);
constexpr QSize kWindowSize(443, 243);

// Places of the controls (left, top, width, height) relative to the window, or to the panel
// `Display` for the two controls inside it.
constexpr QRect kHintergrImg(2, 0, 441, 144);
constexpr QRect kPlayPair(10, 32, 43, 40);
constexpr QRect kPausePair(53, 32, 43, 40);
constexpr QRect kStop(96, 32, 43, 40);
constexpr QRect kZuruck(139, 32, 43, 40);
constexpr QRect kWeiter(182, 32, 43, 40);
constexpr QRect kOpen(225, 32, 43, 40);
constexpr QRect kLeiste(18, 168, 407, 34);
constexpr QRect kSwitchLevel(61, 120, 63, 22);
constexpr QRect kProgress(127, 104, 140, 17);
constexpr QRect kByteProg(428, 130, 6, 8);
constexpr QRect kVolLev(4, 104, 121, 17);
constexpr QRect kSwitchVol(0, 120, 63, 22);
constexpr QRect kDot(130, 124, 17, 17);
constexpr QRect kCloseBtn(192, 12, 46, 13);
constexpr QRect kQuorvi(10, 6, 86, 19);
constexpr QRect kMinimizeBtn(243, 8, 24, 25);
constexpr QRect kOptBtn(138, 11, 47, 14);
constexpr QRect kSlider2(2, 144, 441, 17);
constexpr QRect kPlayer(18, 160, 29, 30);
constexpr QRect kSlider1(18, 202, 407, 41);
constexpr QRect kDisplay(276, 8, 160, 120);
constexpr QRect kStartEdit(151, 125, 115, 14);

constexpr int kTimerInterval = 10;  // ms
constexpr int kSlider2Maximum = 127;
constexpr int kSlider2Start = 64;
constexpr int kStars = 200;
constexpr int kStarDelay = 10;  // ms

// Named colours of the window definition.
const QColor kMoneyGreen(192, 220, 192);
const QColor kLime(0, 255, 0);
const QColor kGreen(0, 128, 0);
const QColor kMedGray(160, 160, 164);
const QColor kPurple(128, 0, 128);
const QColor kCaptionBrown(83, 53, 53);

const char* const kOpenDialogTitle = "Mediendatei öffnen - Quorvi";
const char* const kOpenDialogFilter =
    "Audio (ASF/AU/MIDI/MP3/RMI/SND/WAV/WMA)|*.asf;*.au;*.mid;*.midi;*.mp3;*.rmi;*.snd;*.wav;*.wma|"
    "Video (AVI/IVF/M1V/M3U/MMM/MOV/MP2/MP2V/MPV2/MPA/MPE/MPEG/MPG/WMV)|*.avi;*.ivf;*.m1v;*.m3u;*.mmm;"
    "*.mov;*.mp2;*.mp2v;*.mpv2;*.mpa;*.mpe;*.mpeg;*.mpg;*.wmv";

PictureButton* makeButton(QWidget* parent, const QRect& place, const QImage& picture, const QImage& hover) {
  auto* button = new PictureButton(parent);
  button->setGeometry(place);
  button->setAutoSize(true);
  button->setPicture(picture);
  button->setPicEnter(hover);
  return button;
}

PictureButton* makeSwitch(QWidget* parent, const QRect& place, const QImage& raised, const QImage& pressed) {
  auto* button = new PictureButton(parent);
  button->setGeometry(place);
  button->setFit(PictureFit{.stretch = true});
  button->setTransparent(true);
  button->setPicture(raised);
  button->setPicClicked1(pressed);
  return button;
}

}  // namespace

// How the tray icon hides and restores the application: the main window is its only window.
// Hiding the window takes its task bar entry away; showing it brings the entry back.
class TMainFenster::TrayHostAdapter : public TrayHost {
 public:
  explicit TrayHostAdapter(TMainFenster& window) : window_(window) {}
  bool isMinimized() const override { return window_.isMinimized(); }
  void minimizeApplication() override { window_.showMinimized(); }
  void hideTaskbarEntry() override { window_.hide(); }
  void showTaskbarEntry() override {}
  void restoreApplication() override { window_.showNormal(); }
  void showMainWindow() override {
    window_.show();
    window_.raise();
    window_.activateWindow();
  }

 private:
  TMainFenster& window_;
};

TMainFenster::TMainFenster(const Skin& skin, MainFensterServices services)
    : OpenDlg(std::move(services.fileDialog)),
      Player(std::move(services.mediaBackend)),
      waveOut_(std::move(services.waveOut)),
      Sound(waveOut_.get()),
      urlOpener_(std::move(services.urlOpener)),
      arguments_(std::move(services.arguments)) {
  installFontSubstitutes();
  setWindowTitle(QStringLiteral("MainFenster"));
  setFont(skinFont(QStringLiteral("MS Sans Serif"), 11));
  setFixedSize(kWindowSize);
  move(kWindowPlace);
  if (!skin.icon32.isNull()) {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(skin.icon32));
    icon.addPixmap(QPixmap::fromImage(skin.icon16));
    setWindowIcon(icon);
  }
  trayHost_ = std::make_unique<TrayHostAdapter>(*this);
  createControls(skin);
  connectHandlers();
  quitApplication = [] { QCoreApplication::quit(); };
}

TMainFenster::~TMainFenster() = default;

void TMainFenster::createControls(const Skin& skin) {
  HintergrImg = new PictureImage(this);
  HintergrImg->setGeometry(kHintergrImg);
  HintergrImg->setAutoSize(true);
  HintergrImg->setPicture(skin.background);
  HintergrImg->setEnabled(false);

  Play_on = makeButton(this, kPlayPair, skin.playOn, skin.playOnHover);
  Play = makeButton(this, kPlayPair, skin.play, skin.playHover);
  Pause_on = makeButton(this, kPausePair, skin.pauseOn, skin.pauseOnHover);
  Pause_on->setEnabled(false);
  Stop = makeButton(this, kStop, skin.stop, skin.stopHover);
  Stop->setEnabled(false);
  Zuruck = makeButton(this, kZuruck, skin.back, skin.backHover);
  Zuruck->setEnabled(false);
  Weiter = makeButton(this, kWeiter, skin.forward, skin.forwardHover);
  Weiter->setEnabled(false);
  Open = makeButton(this, kOpen, skin.open, skin.openHover);

  Leiste = new PictureImage(this);
  Leiste->setGeometry(kLeiste);
  Leiste->setFit(PictureFit{.stretch = true});
  Leiste->setPicture(skin.scale);
  Leiste->setVisible(false);
  Leiste->setEnabled(false);

  SwitchLevel = makeSwitch(this, kSwitchLevel, skin.switchRaised, skin.switchPressed);

  Progress = new GradientProgress(this);
  Progress->setGeometry(kProgress);
  Progress->setBorderSingle(true);
  Progress->setColor(kMedGray);
  Progress->setStartColor(kGreen);
  Progress->setEndColor(kLime);
  Progress->setGradientBlocks(true);
  Progress->setTextCentered(true);
  Progress->setFont(skinFont(QStringLiteral("Terminal"), 12));
  Progress->setCaption(QStringLiteral("0:00"));

  ByteProg = new SkinLabel(this);
  ByteProg->setGeometry(kByteProg);
  ByteProg->setRightAligned(true);
  ByteProg->setFont(skinFont(QStringLiteral("Terminal"), 8));
  ByteProg->setTextColor(kPurple);
  ByteProg->setShowHint(true);
  ByteProg->setEnabled(false);
  ByteProg->setCaption(QStringLiteral("0"));

  VolLev = new PictureImage(this);
  VolLev->setGeometry(kVolLev);
  VolLev->setFit(PictureFit{.proportional = true});
  VolLev->setPicture(skin.captionPlate);
  VolLev->setShowHint(true);
  VolLev->setEnabled(false);

  SwitchVol = makeSwitch(this, kSwitchVol, skin.switchRaised, skin.switchPressed);

  Dot = new PictureButton(this);
  Dot->setGeometry(kDot);
  Dot->setFit(PictureFit{.proportional = true});
  Dot->setTransparent(true);
  Dot->setPicture(skin.dot);
  Dot->setPicClicked1(skin.dotPressed);
  Dot->setEnabled(false);

  Pause = makeButton(this, kPausePair, skin.pause, skin.pauseHover);
  Pause->setEnabled(false);

  CloseBtn = new SkinLabel(this);
  CloseBtn->setGeometry(kCloseBtn);
  CloseBtn->setFont(skinFont(QStringLiteral("Bauhaus 93"), 11));
  CloseBtn->setTextColor(kCaptionBrown);
  CloseBtn->setCaption(QStringLiteral("schließen"));

  Quorvi = new HotLink(this);
  Quorvi->setGeometry(kQuorvi);
  Quorvi->setFont(skinFont(QStringLiteral("Ultra 911"), 19));
  Quorvi->setTextColor(kMoneyGreen);
  Quorvi->setHotTrackFont(skinFont(QStringLiteral("Ultra 911"), 19, true), kLime);
  Quorvi->setUrl(QStringLiteral(QUORVI_HOMEPAGE));
  Quorvi->setUrlOpener(urlOpener_.get());
  Quorvi->setCaption(QStringLiteral("Quorvi"));

  minimizeBtn = new PictureButton(this);
  minimizeBtn->setGeometry(kMinimizeBtn);
  minimizeBtn->setFit(PictureFit{.proportional = true});
  minimizeBtn->setPicture(skin.minimize);
  minimizeBtn->setPicEnter(skin.minimizeHover);

  optBtn = new SkinLabel(this);
  optBtn->setGeometry(kOptBtn);
  optBtn->setFont(skinFont(QStringLiteral("Bauhaus 93"), 12));
  optBtn->setTextColor(kCaptionBrown);
  optBtn->setCaption(QStringLiteral("optionen"));

  // Controls with a window of their own; they are raised above the pictures and labels below.
  Slider2 = new BitmapSlider(this);
  Slider2->setGeometry(kSlider2);
  Slider2->setImageRuler(skin.volumeTrack);
  Slider2->setImageThumb(skin.volumeThumb);
  Slider2->setMaximum(kSlider2Maximum);
  Slider2->setPosition(kSlider2Start);
  Slider2->setVisible(false);

  PlayerWindow = new PlayerControl(this);
  PlayerWindow->setGeometry(kPlayer);
  PlayerWindow->setVisible(false);

  Slider1 = new BitmapSlider(this);
  Slider1->setGeometry(kSlider1);
  Slider1->setImageRuler(skin.positionTrack);
  Slider1->setImageThumb(skin.positionThumb);
  Slider1->setVisible(false);
  Slider1->setEnabled(false);

  Display = new DisplayPanel(this);
  Display->setGeometry(kDisplay);
  Display->setColor(Qt::black);
  Display->setBevelWidth(2);

  Stern = new Starfield(Display);
  Stern->setGeometry(Display->innerRect());
  Stern->setStars(kStars);
  Stern->setDelay(kStarDelay);
  Stern->setMaxSpeed(0);

  Tamblo = new PictureImage(Display);
  Tamblo->setGeometry(Display->innerRect());
  Tamblo->setFit(PictureFit{.center = true});
  Tamblo->setPicture(skin.emblem);

  StartEdit = new IntegerEdit(this);
  StartEdit->setGeometry(kStartEdit);
  StartEdit->setFont(skinFont(QStringLiteral("Terminal"), 11));
  StartEdit->setHasMinValue(true);
  StartEdit->setMinValue(0);
  StartEdit->setHasMaxValue(true);
  StartEdit->setMaxValue(0);
  StartEdit->setValue(0);
  StartEdit->setVisible(false);

  for (QWidget* windowed :
       {static_cast<QWidget*>(Slider2), static_cast<QWidget*>(PlayerWindow), static_cast<QWidget*>(Slider1),
        static_cast<QWidget*>(Display), static_cast<QWidget*>(StartEdit)}) {
    windowed->raise();
  }

  Timer = new QTimer(this);
  Timer->setTimerType(Qt::PreciseTimer);
  Timer->setInterval(kTimerInterval);

  OpenDlg.title = QString::fromUtf8(kOpenDialogTitle);
  OpenDlg.filter = QString::fromUtf8(kOpenDialogFilter);
  OpenDlg.setFilterIndex(1);
  Player.setDisplay(Display);

  TrayIcon = new ::TrayIcon(skin, *trayHost_, this);
}

void TMainFenster::connectHandlers() {
  connect(Play_on, &PictureButton::clicked, this, &TMainFenster::Play_onClick);
  connect(Play, &PictureButton::clicked, this, &TMainFenster::PlayClick);
  connect(Pause_on, &PictureButton::clicked, this, &TMainFenster::Pause_onClick);
  connect(Stop, &PictureButton::clicked, this, &TMainFenster::StopClick);
  connect(Zuruck, &PictureButton::mousePressed, this, &TMainFenster::ZuruckMouseDown);
  connect(Weiter, &PictureButton::mousePressed, this, &TMainFenster::WeiterMouseDown);
  connect(Open, &PictureButton::clicked, this, &TMainFenster::OpenClick);
  connect(SwitchLevel, &PictureButton::clicked, this, &TMainFenster::SwitchLevelClick);
  connect(SwitchVol, &PictureButton::clicked, this, &TMainFenster::SwitchVolClick);
  connect(Dot, &PictureButton::clicked, this, &TMainFenster::DotClick);
  connect(Pause, &PictureButton::clicked, this, &TMainFenster::PauseClick);
  connect(CloseBtn, &SkinLabel::clicked, this, &TMainFenster::CloseBtnClick);
  connect(minimizeBtn, &PictureButton::clicked, this, &TMainFenster::minimizeBtnClick);
  connect(Slider2, &BitmapSlider::changed, this, &TMainFenster::Slider2Changed);
  connect(Slider1, &BitmapSlider::changed, this, &TMainFenster::Slider1Changed);
  connect(Timer, &QTimer::timeout, this, &TMainFenster::TimerTimer);
}

// Shows the splash window modally; the main window comes on screen when this returns.
void TMainFenster::FormShow() {
  if (Invent != nullptr) {
    Invent->showModal();
  }
}

void TMainFenster::HandOver() {
  Invent->stopAndClose();
  TrayIcon->setActive(true);
  if (isVisible()) {
    raise();
    activateWindow();
  }
}

// A minimize command from outside (task bar, window manager, minimizeBtn): once the tray icon
// is active, the application goes to the tray.
void TMainFenster::changeEvent(QEvent* event) {
  SkinForm::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && isMinimized()) {
    TrayIcon->minimizeCommand();
  }
}

void TMainFenster::CloseBtnClick() {
  DisappearHorizontally();
  Player.close();
  close();
  quitApplication();
}

void TMainFenster::DisappearHorizontally() {
  // Runs on the UI thread and dispatches no events until it ends (at least 1.1 s in all).
  constexpr int kStepMs = 10;
  for (const QRect& step : closeAnimationSteps(width(), height())) {
    setVisibleClip(QRegion(step));
    repaint();
    QThread::msleep(kStepMs);
  }
  hide();
  setVisibleClip(QRegion());
}

void TMainFenster::ShowAndHide(QWidget* a, QWidget* b) {
  a->setVisible(true);
  b->setVisible(false);
}

void TMainFenster::formMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y) {
  FormMouseDown(button, mods, x, y);
}

void TMainFenster::formMouseMove(Qt::KeyboardModifiers mods, int x, int y) {
  FormMouseMove(mods, x, y);
}

void TMainFenster::formMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y) {
  FormMouseUp(button, mods, x, y);
}
