#pragma once

#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

#include "playback/media_device.h"
#include "playback/sound_control.h"
#include "playback/wave_out.h"
#include "ui/open_dialog.h"
#include "ui/skin.h"
#include "ui/skin_form.h"
#include "widgets/picture_button.h"

class BitmapSlider;
class DisplayPanel;
class GradientProgress;
class HotLink;
class IntegerEdit;
class MediaBackend;
class PictureImage;
class PlayerControl;
class SkinLabel;
class Starfield;
class TInvent;
class TrayIcon;
class UrlOpener;

// What the main window gets from outside: the platform services behind small interfaces, so
// that handler sequences can be tested with scripted fakes, and the command-line arguments.
struct MainFensterServices {
  std::unique_ptr<MediaBackend> mediaBackend;
  std::unique_ptr<FileDialogRunner> fileDialog;
  std::unique_ptr<UrlOpener> urlOpener;
  std::unique_ptr<WaveOut> waveOut;  // null: no output with volume control
  QStringList arguments;             // after the program's own path
};

// The player's skinned main window `MainFenster`. Its controls are members named as the window
// definition names them; its behaviour lives in the event handlers below, each a straight
// sequence of control writes and device calls. The player's state is not kept in variables: it
// is the visibility of the Play/Play_on and Pause/Pause_on pairs, Timer's and Stern's activity,
// the device's own state and the open dialog's filter index.
//
// The handlers are defined by concern: ui/main_fenster.cpp (creation, layout, shutdown),
// ui/window_handling.cpp (drag, switches), playback/handlers/*.cpp (opening, transport,
// position tracking, seeking, volume).
class TMainFenster : public SkinForm {
  Q_OBJECT

 public:
  TMainFenster(const Skin& skin, MainFensterServices services);
  ~TMainFenster() override;

  // --- Controls, in creation order (later ones lie above earlier ones) ---
  PictureImage* HintergrImg;
  PictureButton* Play_on;
  PictureButton* Play;
  PictureButton* Pause_on;
  PictureButton* Stop;
  PictureButton* Zuruck;
  PictureButton* Weiter;
  PictureButton* Open;
  PictureImage* Leiste;
  PictureButton* SwitchLevel;
  GradientProgress* Progress;
  SkinLabel* ByteProg;
  PictureImage* VolLev;
  PictureButton* SwitchVol;
  PictureButton* Dot;
  PictureButton* Pause;
  SkinLabel* CloseBtn;
  HotLink* Quorvi;
  PictureButton* minimizeBtn;
  SkinLabel* optBtn;
  BitmapSlider* Slider2;
  PlayerControl* PlayerWindow;  // the device control's own (never visible) window
  BitmapSlider* Slider1;
  DisplayPanel* Display;
  Starfield* Stern;
  PictureImage* Tamblo;
  IntegerEdit* StartEdit;

  // --- Components without a window ---
  QTimer* Timer;
  OpenDialog OpenDlg;
  MediaDevice Player;

 private:
  std::unique_ptr<WaveOut> waveOut_;  // before Sound, which uses it

 public:
  SoundControl Sound;

  // The notification-area icon: inactive until the splash hands over. It is declared here with
  // its class name qualified because the member carries the same name.
  ::TrayIcon* TrayIcon = nullptr;
  // The splash window, which FormShow shows modally; set by the start-up.
  TInvent* Invent = nullptr;

  // The hand-over at the end of the splash fade: the splash closes, the tray icon is added, and
  // the main window comes up (at once if a close request already ended the splash's modal phase,
  // otherwise as soon as FormShow returns).
  void HandOver();

  // --- Drag state ---
  bool FDragging = false;
  int FDragX = 0;
  int FDragY = 0;

  // --- Event handlers ---
  void FormCreate();
  void FormShow();
  void CloseBtnClick();
  void minimizeBtnClick();
  void FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void FormMouseMove(Qt::KeyboardModifiers shift, int x, int y);
  void FormMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void SwitchLevelClick();
  void SwitchVolClick();
  void OpenClick();
  void PlayClick();
  void Play_onClick();
  void PauseClick();
  void Pause_onClick();
  void StopClick();
  void TimerTimer();
  void Slider1Changed();
  void ZuruckMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void WeiterMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void DotClick();
  void Slider2Changed();

  // --- Shared steps of the handlers ---
  static void ShowAndHide(QWidget* a, QWidget* b);
  void EnablePlaybackControls();
  void ApplyMediaLength();
  void UpdateVolLevHint();
  QString FormatPlayTime();
  int VolumePercent() const;
  int ProgressPercent() const;
  void CommitStartEdit();
  void SkipBy(qint32 delta);
  // The open sequence of every open path; `modeSteps` runs between enabling the controls and
  // copying the length (the command-line path has none).
  void OpenSequence(const QString& fileName, const std::function<void()>& modeSteps);
  bool AudioMode() const { return OpenDlg.filterIndex() == 1; }
  // The starfield step of the transport handlers: running and shown in audio mode, stopped and
  // hidden in video mode.
  void StarfieldStep();

  // The close animation: the window's visible region shrinks from both sides in steps of two
  // pixels, one step every 10 ms or more, then the window is hidden.
  void DisappearHorizontally();

  // Ends the program after CloseBtnClick; the application replaces it in tests.
  std::function<void()> quitApplication;

 protected:
  void formMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y) override;
  void formMouseMove(Qt::KeyboardModifiers mods, int x, int y) override;
  void formMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, int x, int y) override;
  void changeEvent(QEvent* event) override;

 private:
  void createControls(const Skin& skin);
  void connectHandlers();

  class TrayHostAdapter;
  std::unique_ptr<TrayHostAdapter> trayHost_;
  std::unique_ptr<UrlOpener> urlOpener_;
  QStringList arguments_;
};
