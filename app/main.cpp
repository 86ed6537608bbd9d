#include <clocale>

#include "app/application.h"
#include "app/desktop_url_opener.h"
#include "app/engine_output_level.h"
#include "playback/mpv_backend.h"
#include "playback/wave_out.h"
#include "ui/invent.h"
#include "ui/main_fenster.h"
#include "ui/skin.h"

int main(int argc, char** argv) {
  // The window's shape and its placement need X11; on a Wayland session run through XWayland
  // unless the user chose a platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "xcb");
  }
  Application app(argc, argv);
  // libmpv needs the C numeric locale; Qt has just set the user's.
  std::setlocale(LC_NUMERIC, "C");

  auto backend = std::make_unique<MpvBackend>();
  // The window owns the engine (through its media device) and the wave-out output; the output
  // is destroyed first, and this level outlives both.
  EngineOutputLevel output(*backend);
  MainFensterServices services;
  services.mediaBackend = std::move(backend);
  services.waveOut = std::make_unique<EngineWaveOut>(output);
  services.fileDialog = std::make_unique<QtFileDialogRunner>();
  services.urlOpener = std::make_unique<DesktopUrlOpener>();
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();  // the program's own path
  services.arguments = arguments;

  const Skin skin = Skin::load();
  TMainFenster mainFenster(skin, std::move(services));
  if (!mainFenster.windowIcon().isNull()) {
    QApplication::setWindowIcon(mainFenster.windowIcon());
  }
  app.runHandler([&] { mainFenster.FormCreate(); });
  // The splash's fade timer runs from here; its ticks are handled inside FormShow's modal phase.
  TInvent invent(skin);
  mainFenster.Invent = &invent;
  invent.onHandOver = [&] { mainFenster.HandOver(); };
  app.runHandler([&] { mainFenster.FormShow(); });
  mainFenster.show();
  mainFenster.raise();
  mainFenster.activateWindow();
  return app.exec();
}
