// Draws every picture of the skin and writes them as PNG files:
//   skin_painter [--scale N] <folder>
// Scale 1 is the set the program carries; larger scales give sharper sets of the same design.
// The output depends on nothing but the code: running it again gives the same bytes.
#include "pictures.h"

#include <QDir>

#include <cstdio>

using namespace skin_painter;

namespace {

std::vector<Picture> paintAll(int scale) {
  std::vector<Picture> pictures;
  const auto add = [&](const char* file, QImage image) {
    pictures.push_back({QString::fromLatin1(file), std::move(image)});
  };
  add("background.png", paintBackground(scale));
  for (Picture& p : paintButtons(scale)) {
    pictures.push_back(std::move(p));
  }
  add("switch.png", paintSwitch(scale, false));
  add("switch_pressed.png", paintSwitch(scale, true));
  add("dot.png", paintDot(scale, false));
  add("dot_pressed.png", paintDot(scale, true));
  add("caption_plate.png", paintCaptionPlate(scale));
  add("scale.png", paintScale(scale));
  add("volume_track.png", paintVolumeTrack(scale));
  add("volume_thumb.png", paintVolumeThumb(scale));
  add("position_track.png", paintPositionTrack(scale));
  add("position_thumb.png", paintPositionThumb(scale));
  add("emblem.png", paintEmblem(scale));
  add("icon32.png", paintIcon(32, scale));
  add("icon16.png", paintIcon(16, scale));
  return pictures;
}

int usage() {
  std::fputs("usage: skin_painter [--scale N] <folder>\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  int scale = 1;
  QString folder;
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg == QStringLiteral("--scale") && i + 1 < argc) {
      bool ok = false;
      scale = QString::fromLocal8Bit(argv[++i]).toInt(&ok);
      if (!ok || scale < 1 || scale > 8) {
        return usage();
      }
    } else if (folder.isEmpty() && !arg.startsWith(QLatin1Char('-'))) {
      folder = arg;
    } else {
      return usage();
    }
  }
  if (folder.isEmpty()) {
    return usage();
  }
  const QDir dir(folder);
  if (!dir.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "skin_painter: cannot create %s\n", qPrintable(folder));
    return 1;
  }
  for (const Picture& p : paintAll(scale)) {
    // Compression level 9: the files are committed, so small matters more than fast.
    if (!p.image.save(dir.filePath(p.file), "PNG", 0)) {
      std::fprintf(stderr, "skin_painter: cannot write %s\n", qPrintable(dir.filePath(p.file)));
      return 1;
    }
  }
  return 0;
}
