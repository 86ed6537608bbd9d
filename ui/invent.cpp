#include "ui/invent.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QTimer>

#include "ui/fonts.h"
#include "ui/skin.h"
#include "ui/splash_placement.h"
#include "widgets/brightness_image.h"
#include "widgets/skin_label.h"

namespace {

constexpr QPoint kTambloPos{24, 24};
constexpr QPoint kLabel1Pos{280, 24};
constexpr QRect kLabel2Rect{280, 72, 156, 45};  // the height follows the wrapped text
constexpr int kLabel1FontHeight = 40;           // pixels
constexpr int kLabel2FontHeight = 13;           // pixels
const QColor kLabel1Color{0, 255, 0};           // clLime
const QColor kLabel2Color{202, 202, 202};

// The bounding rectangle of all screens: the desktop the splash is centred on.
QRect wholeDesktop() {
  QRect desktop;
  for (const QScreen* screen : QGuiApplication::screens()) {
    desktop = desktop.united(screen->geometry());
  }
  return desktop;
}

}  // namespace

TInvent::TInvent(const Skin& skin, QWidget* parent)
    // A splash-screen window has no task bar entry of its own.
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Invent"));
  setWindowTitle(QStringLiteral("Invent"));
  // Closing the splash never ends the program; only the main window does.
  setAttribute(Qt::WA_QuitOnClose, false);
  setFixedSize(kClientSize);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);

  Tamblo = new BrightnessImage(this);
  Tamblo->setObjectName(QStringLiteral("Tamblo"));
  Tamblo->move(kTambloPos);
  Tamblo->setAutoSize(true);
  Tamblo->setPicture(skin.emblem);
  Tamblo->setBrightness(kStartBrightness);

  Label1 = new SkinLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->move(kLabel1Pos);
  Label1->setAutoSize(true);
  Label1->setFont(skinFont(QStringLiteral("Ultra 911"), kLabel1FontHeight));
  Label1->setTextColor(kLabel1Color);
  Label1->setCaption(QStringLiteral("Quorvi "));

  Label2 = new SkinLabel(this);
  Label2->setObjectName(QStringLiteral("Label2"));
  // Word wrap first: an unwrapped label would take its (still empty) text's width.
  Label2->setWordWrap(true);
  Label2->setFont(skinFont(QStringLiteral("Bauhaus 93"), kLabel2FontHeight));
  Label2->setGeometry(kLabel2Rect);
  Label2->setTextColor(kLabel2Color);
  Label2->setCaption(notice());

  Timer = new QTimer(this);
  Timer->setObjectName(QStringLiteral("Timer"));
  Timer->setTimerType(Qt::PreciseTimer);
  Timer->setInterval(kTimerInterval);
  connect(Timer, &QTimer::timeout, this, &TInvent::TimerTimer);
  // Runs from creation; its ticks are handled once events are dispatched (in showModal()).
  Timer->start();
}

QString TInvent::notice() {
  return QStringLiteral("Version %1 \u2013 entwickelt vom Quorvi-Team").arg(QLatin1String(QUORVI_VERSION));
}

void TInvent::TimerTimer() {
  // Wraps in 8 bits like the brightness itself; the hand-over stops the timer before that.
  Tamblo->setBrightness(static_cast<quint8>(Tamblo->brightness() - 1));
  if (Tamblo->brightness() == 0 && onHandOver) {
    onHandOver();
  }
}

void TInvent::stopAndClose() {
  Timer->stop();
  close();
}

void TInvent::showModal() {
  if (modalLoop_ != nullptr) {
    return;
  }
  move(desktopCenterPlacement(size(), wholeDesktop()));
  QEventLoop loop;
  modalLoop_ = &loop;
  closeRequested_ = false;
  // Showing can deliver events posted to the window already, a close request among them.
  show();
  if (!closeRequested_) {
    loop.exec(QEventLoop::DialogExec);
  }
  modalLoop_ = nullptr;
  hide();
}

void TInvent::closeEvent(QCloseEvent* event) {
  if (modalLoop_ == nullptr) {
    QWidget::closeEvent(event);
    return;
  }
  // Shown modally: record the request and let the modal loop end after the current event;
  // showModal() hides the window then.
  closeRequested_ = true;
  event->ignore();
  modalLoop_->quit();
}
