// Checks the embedded skin pictures against the catalogue the windows rely on: sizes and
// formats, where the see-through red is, how hover and lit pictures derive from the defaults,
// where the light symbols lie, and that the colours are the described ones.
#include "ui/skin.h"

#include <QFile>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

QString resource(const std::string& file) {
  return QStringLiteral(":/skin/") + QString::fromStdString(file);
}

QImage picture(const std::string& file) {
  return QImage(resource(file));
}

bool isKey(QRgb c) {
  return qAlpha(c) == 255 && qRed(c) == 255 && qGreen(c) == 0 && qBlue(c) == 0;
}

// Bounding box of the pixels that satisfy `pick`; an empty QRect when there are none.
QRect boundsOf(const QImage& image, const std::function<bool(QRgb)>& pick) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (pick(image.pixel(x, y))) {
        box = box.united(QRect(x, y, 1, 1));
      }
    }
  }
  return box;
}

QRect span(int left, int top, int right, int bottom) {
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

std::string describe(const QRect& r) {
  if (r.isNull()) {
    return "none";
  }
  return "x " + std::to_string(r.left()) + ".." + std::to_string(r.right()) + ", y " +
         std::to_string(r.top()) + ".." + std::to_string(r.bottom());
}

// The embossed symbols are light grey to white; plate, outline, shadow and indicator bars
// are all well below this.
bool isLight(QRgb c) {
  return std::min({qRed(c), qGreen(c), qBlue(c)}) >= 170;
}

// --- Sizes and formats ---------------------------------------------------------------------

enum class Kind { Picture, Icon };

struct Entry {
  const char* file;
  int width;
  int height;
  Kind kind;
};

constexpr Entry kCatalogue[] = {
    {"background.png", 441, 144, Kind::Picture},
    {"play.png", 43, 40, Kind::Picture},
    {"play_hover.png", 43, 40, Kind::Picture},
    {"play_on.png", 43, 40, Kind::Picture},
    {"play_on_hover.png", 43, 40, Kind::Picture},
    {"pause.png", 43, 40, Kind::Picture},
    {"pause_hover.png", 43, 40, Kind::Picture},
    {"pause_on.png", 43, 40, Kind::Picture},
    {"pause_on_hover.png", 43, 40, Kind::Picture},
    {"stop.png", 43, 40, Kind::Picture},
    {"stop_hover.png", 43, 40, Kind::Picture},
    {"back.png", 43, 40, Kind::Picture},
    {"back_hover.png", 43, 40, Kind::Picture},
    {"forward.png", 43, 40, Kind::Picture},
    {"forward_hover.png", 43, 40, Kind::Picture},
    {"open.png", 43, 40, Kind::Picture},
    {"open_hover.png", 43, 40, Kind::Picture},
    {"minimize.png", 43, 40, Kind::Picture},
    {"minimize_hover.png", 43, 40, Kind::Picture},
    {"switch.png", 63, 22, Kind::Picture},
    {"switch_pressed.png", 63, 22, Kind::Picture},
    {"dot.png", 39, 39, Kind::Picture},
    {"dot_pressed.png", 39, 39, Kind::Picture},
    {"caption_plate.png", 142, 20, Kind::Picture},
    {"scale.png", 407, 34, Kind::Picture},
    {"volume_track.png", 597, 41, Kind::Picture},
    {"volume_thumb.png", 32, 18, Kind::Picture},
    {"position_track.png", 407, 41, Kind::Picture},
    {"position_thumb.png", 48, 34, Kind::Picture},
    {"emblem.png", 235, 164, Kind::Picture},
    {"icon32.png", 32, 32, Kind::Icon},
    {"icon16.png", 16, 16, Kind::Icon},
};

// The standard 16-colour palette, without its pure red, which no icon may use.
const std::set<QRgb> kVgaColours{
    qRgb(0, 0, 0),     qRgb(128, 0, 0),   qRgb(0, 128, 0),     qRgb(128, 128, 0),   qRgb(0, 0, 128),
    qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192), qRgb(128, 128, 128), qRgb(0, 255, 0),
    qRgb(255, 255, 0), qRgb(0, 0, 255),   qRgb(255, 0, 255),   qRgb(0, 255, 255),   qRgb(255, 255, 255),
};

TEST(SkinCatalogue, EveryPictureHasItsSizeAndFormat) {
  for (const Entry& e : kCatalogue) {
    SCOPED_TRACE(e.file);
    QFile file(resource(e.file));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(26);
    ASSERT_EQ(header.size(), 26);
    ASSERT_TRUE(header.startsWith("\x89PNG\r\n\x1a\n"));
    const int bitDepth = static_cast<unsigned char>(header[24]);
    const int colourType = static_cast<unsigned char>(header[25]);

    const QImage image = picture(e.file);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), e.width);
    EXPECT_EQ(image.height(), e.height);

    if (e.kind == Kind::Picture) {
      // 24 bits per pixel, no palette and no alpha channel.
      EXPECT_EQ(bitDepth, 8);
      EXPECT_EQ(colourType, 2);
      EXPECT_FALSE(image.hasAlphaChannel());
    } else {
      EXPECT_EQ(colourType, 3);  // palette
      EXPECT_EQ(image.format(), QImage::Format_Indexed8);
      EXPECT_LE(image.colorCount(), 16);
      int maskEntries = 0;
      for (const QRgb c : image.colorTable()) {
        if (qAlpha(c) == 0) {
          ++maskEntries;
        } else {
          EXPECT_EQ(qAlpha(c), 255) << "the mask is on or off, never partly";
          EXPECT_TRUE(kVgaColours.contains(c)) << std::hex << c;
        }
      }
      EXPECT_EQ(maskEntries, 1);
    }
  }
}

TEST(SkinCatalogue, LoaderHandsOutEveryPictureUnderItsName) {
  const Skin skin = Skin::load();
  const std::pair<QImage Skin::*, const char*> fields[] = {
      {&Skin::background, "background.png"},
      {&Skin::play, "play.png"},
      {&Skin::playHover, "play_hover.png"},
      {&Skin::playOn, "play_on.png"},
      {&Skin::playOnHover, "play_on_hover.png"},
      {&Skin::pause, "pause.png"},
      {&Skin::pauseHover, "pause_hover.png"},
      {&Skin::pauseOn, "pause_on.png"},
      {&Skin::pauseOnHover, "pause_on_hover.png"},
      {&Skin::stop, "stop.png"},
      {&Skin::stopHover, "stop_hover.png"},
      {&Skin::back, "back.png"},
      {&Skin::backHover, "back_hover.png"},
      {&Skin::forward, "forward.png"},
      {&Skin::forwardHover, "forward_hover.png"},
      {&Skin::open, "open.png"},
      {&Skin::openHover, "open_hover.png"},
      {&Skin::minimize, "minimize.png"},
      {&Skin::minimizeHover, "minimize_hover.png"},
      {&Skin::switchRaised, "switch.png"},
      {&Skin::switchPressed, "switch_pressed.png"},
      {&Skin::dot, "dot.png"},
      {&Skin::dotPressed, "dot_pressed.png"},
      {&Skin::captionPlate, "caption_plate.png"},
      {&Skin::scale, "scale.png"},
      {&Skin::volumeTrack, "volume_track.png"},
      {&Skin::volumeThumb, "volume_thumb.png"},
      {&Skin::positionTrack, "position_track.png"},
      {&Skin::positionThumb, "position_thumb.png"},
      {&Skin::emblem, "emblem.png"},
      {&Skin::icon32, "icon32.png"},
      {&Skin::icon16, "icon16.png"},
  };
  for (const auto& [field, file] : fields) {
    SCOPED_TRACE(file);
    ASSERT_FALSE((skin.*field).isNull());
    EXPECT_EQ(skin.*field, picture(file));
  }
}

// --- Pure red --------------------------------------------------------------------------------

struct RedEntry {
  const char* file;
  int count;
  std::vector<QPoint> exactly;  // when not empty: the red pixels, all of them
};

const std::vector<RedEntry>& redTable() {
  static const std::vector<RedEntry> table{
      {"background.png",
       10,
       {{0, 0}, {1, 0}, {437, 0}, {438, 0}, {439, 0}, {440, 0}, {439, 1}, {440, 1}, {440, 2}, {440, 143}}},
      {"scale.png",
       16,
       {{0, 0},
        {1, 0},
        {2, 0},
        {3, 0},
        {4, 0},
        {5, 0},
        {6, 0},
        {0, 1},
        {1, 1},
        {2, 1},
        {3, 1},
        {0, 2},
        {1, 2},
        {1, 32},
        {1, 33},
        {2, 33}}},
      {"volume_track.png",
       12,
       {{0, 0},
        {1, 0},
        {0, 1},
        {596, 0},
        {595, 0},
        {596, 1},
        {0, 40},
        {1, 40},
        {0, 39},
        {596, 40},
        {595, 40},
        {596, 39}}},
      {"switch.png", 500, {}},
      {"switch_pressed.png", 596, {}},
      {"dot.png", 358, {}},
      {"dot_pressed.png", 360, {}},
  };
  return table;
}

TEST(SkinCatalogue, PureRedOnlyWhereTheTableSaysSo) {
  for (const Entry& e : kCatalogue) {
    SCOPED_TRACE(e.file);
    const QImage image = picture(e.file);
    std::vector<QPoint> red;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (isKey(image.pixel(x, y))) {
          red.push_back({x, y});
        }
      }
    }
    const auto row = std::find_if(redTable().begin(), redTable().end(),
                                  [&](const RedEntry& r) { return std::string(r.file) == e.file; });
    if (row == redTable().end()) {
      EXPECT_TRUE(red.empty()) << red.size() << " red pixels, first at " << red.front().x() << ","
                               << red.front().y();
      continue;
    }
    EXPECT_EQ(static_cast<int>(red.size()), row->count);
    if (!row->exactly.empty()) {
      const auto order = [](const QPoint& a, const QPoint& b) {
        return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x());
      };
      std::vector<QPoint> expected = row->exactly;
      std::sort(expected.begin(), expected.end(), order);
      std::sort(red.begin(), red.end(), order);
      EXPECT_EQ(red, expected);
    }
  }
}

// Switches and dot are drawn without their bottom-left colour, which must be the key colour;
// what remains is the key, or the disc.
TEST(SkinCatalogue, TransparentPicturesKeepTheirShapeInsideTheRedField) {
  struct Case {
    const char* file;
    QRect drawn;  // bounding box of the pixels that are not red
  };
  const Case cases[] = {
      {"switch.png", span(11, 2, 58, 20)},
      {"switch_pressed.png", span(11, 2, 57, 18)},
      {"dot.png", span(0, 0, 38, 38)},
      {"dot_pressed.png", span(0, 0, 38, 38)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const QImage image = picture(c.file);
    EXPECT_TRUE(isKey(image.pixel(0, image.height() - 1)));
    EXPECT_EQ(describe(boundsOf(image, [](QRgb p) { return !isKey(p); })), describe(c.drawn));
  }
  // The dot's red lies only in the four corners outside the disc.
  for (const char* file : {"dot.png", "dot_pressed.png"}) {
    SCOPED_TRACE(file);
    const QImage image = picture(file);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (isKey(image.pixel(x, y))) {
          EXPECT_GT((x - 19) * (x - 19) + (y - 19) * (y - 19), 18 * 18) << x << "," << y;
        }
      }
    }
    EXPECT_EQ(image.pixel(19, 0), qRgb(0, 0, 0)) << "the disc's outline";
  }
}

// --- Buttons -------------------------------------------------------------------------------

constexpr const char* kButtons[] = {"play", "play_on", "pause", "pause_on", "stop",
                                    "back", "forward", "open",  "minimize"};

TEST(SkinCatalogue, HoverPictureIsTheDefaultMovedOnePixelRightAndDown) {
  for (const char* name : kButtons) {
    SCOPED_TRACE(name);
    const QImage normal = picture(std::string(name) + ".png");
    const QImage hover = picture(std::string(name) + "_hover.png");
    ASSERT_EQ(normal.size(), hover.size());
    int mismatches = 0;
    for (int y = 0; y < hover.height(); ++y) {
      for (int x = 0; x < hover.width(); ++x) {
        const QRgb expected = (x == 0 || y == 0) ? qRgb(0, 0, 0) : normal.pixel(x - 1, y - 1);
        mismatches += hover.pixel(x, y) != expected;
      }
    }
    EXPECT_EQ(mismatches, 0);
  }
}

TEST(SkinCatalogue, LitPicturesDifferFromTheUnlitOnesOnlyInTheIndicatorBar) {
  const QRect bar = span(3, 4, 21, 7);
  const std::pair<const char*, const char*> pairs[] = {{"play.png", "play_on.png"},
                                                       {"pause.png", "pause_on.png"}};
  for (const auto& [unlitFile, litFile] : pairs) {
    SCOPED_TRACE(litFile);
    const QImage unlit = picture(unlitFile);
    const QImage lit = picture(litFile);
    QRect changed;
    for (int y = 0; y < lit.height(); ++y) {
      for (int x = 0; x < lit.width(); ++x) {
        if (lit.pixel(x, y) != unlit.pixel(x, y)) {
          changed = changed.united(QRect(x, y, 1, 1));
        }
      }
    }
    EXPECT_FALSE(changed.isNull());
    EXPECT_TRUE(bar.contains(changed)) << describe(changed);
  }
}

TEST(SkinCatalogue, LightSymbolPixelsSpanTheirExtents) {
  const std::pair<const char*, QRect> cases[] = {
      {"play.png", span(16, 14, 30, 24)},     {"play_on.png", span(16, 14, 30, 24)},
      {"pause.png", span(15, 14, 27, 26)},    {"pause_on.png", span(15, 14, 27, 26)},
      {"stop.png", span(15, 14, 27, 26)},     {"back.png", span(5, 14, 34, 25)},
      {"forward.png", span(8, 15, 37, 26)},   {"open.png", span(4, 5, 38, 34)},
      {"minimize.png", span(19, 18, 23, 21)},
  };
  for (const auto& [file, extent] : cases) {
    SCOPED_TRACE(file);
    EXPECT_EQ(describe(boundsOf(picture(file), isLight)), describe(extent));
  }
}

// The plate is identical in all nine buttons along its rim, where no symbol, band or indicator
// reaches.
TEST(SkinCatalogue, ButtonsShareOnePlate) {
  const QImage stop = picture("stop.png");
  const QRect plateOnly[] = {span(0, 0, 42, 2), span(0, 0, 1, 39), span(0, 37, 42, 39), span(41, 0, 42, 39)};
  for (const char* name : kButtons) {
    SCOPED_TRACE(name);
    const QImage button = picture(std::string(name) + ".png");
    for (const QRect& r : plateOnly) {
      for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
          const bool underBar = x <= 22 && y >= 3 && y <= 8;
          if (!underBar) {
            ASSERT_EQ(button.pixel(x, y), stop.pixel(x, y)) << x << "," << y;
          }
        }
      }
    }
  }
}

// --- Colours -----------------------------------------------------------------------------

struct Swatch {
  const char* what;
  const char* file;
  QRect area;
  int r, g, b;    // the described colour
  int tolerance;  // per channel, for the area's mean
};

const Swatch kSwatches[] = {
    {"metal at the left edge", "background.png", span(1, 2, 3, 142), 112, 119, 122, 10},
    {"metal at the right edge", "background.png", span(436, 4, 438, 142), 203, 206, 212, 10},
    {"plate", "play.png", span(3, 12, 8, 31), 96, 69, 60, 6},
    {"plate top row", "stop.png", span(0, 0, 42, 0), 72, 72, 71, 3},
    {"plate line under the top row", "stop.png", span(1, 1, 41, 1), 74, 57, 52, 3},
    {"plate left column", "stop.png", span(0, 2, 0, 38), 57, 43, 40, 3},
    {"plate right column", "stop.png", span(42, 1, 42, 39), 41, 26, 26, 3},
    {"plate bottom row", "stop.png", span(0, 39, 41, 39), 36, 30, 30, 3},
    {"stop face", "stop.png", span(16, 15, 26, 25), 205, 207, 199, 14},
    {"minimize square", "minimize.png", span(19, 18, 23, 21), 221, 225, 218, 12},
    {"cassette line", "open.png", span(10, 5, 30, 5), 235, 232, 227, 3},
    {"unlit bar centre", "play.png", span(4, 5, 20, 5), 150, 138, 124, 6},
    {"unlit bar lower rows", "pause.png", span(4, 6, 20, 7), 96, 92, 88, 8},
    {"green bar centre", "play_on.png", span(4, 5, 20, 5), 134, 255, 0, 6},
    {"green bar", "play_on.png", span(3, 4, 21, 7), 94, 210, 5, 15},
    {"orange bar centre", "pause_on.png", span(4, 5, 20, 5), 255, 136, 8, 6},
    {"raised key top face", "switch.png", span(20, 3, 50, 7), 80, 65, 50, 8},
    {"raised key front, top", "switch.png", span(20, 8, 50, 8), 193, 185, 153, 8},
    {"raised key front, bottom", "switch.png", span(20, 16, 50, 16), 131, 131, 130, 8},
    {"raised key shadow", "switch.png", span(20, 17, 50, 18), 45, 36, 35, 10},
    {"pressed key front", "switch_pressed.png", span(20, 5, 50, 14), 201, 203, 178, 12},
    {"dot disc", "dot.png", span(4, 16, 7, 22), 147, 83, 72, 15},
    {"caption field", "caption_plate.png", span(64, 3, 67, 16), 198, 140, 123, 6},
    {"caption outline", "caption_plate.png", span(0, 0, 69, 0), 0, 64, 64, 0},
    {"caption letters", "caption_plate.png", span(85, 4, 86, 14), 113, 106, 100, 10},
    {"scale bar, left", "scale.png", span(3, 1, 10, 28), 201, 204, 209, 10},
    {"scale bar, right", "scale.png", span(395, 1, 405, 28), 103, 108, 112, 10},
    {"volume tube, right", "volume_track.png", span(560, 9, 590, 32), 239, 237, 244, 10},
    {"volume tube, left", "volume_track.png", span(3, 9, 8, 32), 150, 157, 166, 15},
    {"volume tube, top row", "volume_track.png", span(10, 0, 580, 0), 42, 45, 75, 4},
    {"volume tube, bottom row", "volume_track.png", span(10, 40, 580, 40), 42, 45, 75, 4},
    {"volume tube, ends", "volume_track.png", span(0, 3, 2, 37), 50, 52, 66, 5},
    {"volume sleeve, cream", "volume_thumb.png", span(1, 4, 6, 12), 246, 236, 205, 15},
    {"volume sleeve, navy", "volume_thumb.png", span(0, 0, 15, 1), 44, 44, 77, 5},
    {"position track", "position_track.png", span(2, 4, 19, 30), 95, 91, 87, 8},
    {"position track rim", "position_track.png", span(2, 33, 400, 36), 141, 141, 133, 6},
    {"position track lower edge", "position_track.png", span(2, 38, 400, 40), 113, 75, 59, 6},
    {"position track left column", "position_track.png", span(0, 0, 0, 40), 155, 110, 88, 3},
    {"knob white bar", "position_thumb.png", span(9, 18, 18, 19), 246, 246, 244, 6},
};

TEST(SkinCatalogue, AreasHaveTheirDescribedColours) {
  for (const Swatch& s : kSwatches) {
    SCOPED_TRACE(s.what);
    const QImage image = picture(s.file);
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int y = s.area.top(); y <= s.area.bottom(); ++y) {
      for (int x = s.area.left(); x <= s.area.right(); ++x) {
        const QRgb c = image.pixel(x, y);
        r += qRed(c);
        g += qGreen(c);
        b += qBlue(c);
        ++n;
      }
    }
    EXPECT_NEAR(r / n, s.r, s.tolerance + 0.5);
    EXPECT_NEAR(g / n, s.g, s.tolerance + 0.5);
    EXPECT_NEAR(b / n, s.b, s.tolerance + 0.5);
  }
}

// --- Panel pieces ---------------------------------------------------------------------------

TEST(SkinCatalogue, DotBallsLieWhereDescribed) {
  const auto blue = [](QRgb c) { return qBlue(c) > qRed(c) + 30; };
  const auto red = [](QRgb c) { return !isKey(c) && qRed(c) > qGreen(c) + 80 && qRed(c) > qBlue(c) + 80; };
  EXPECT_EQ(describe(boundsOf(picture("dot.png"), blue)), describe(span(12, 9, 30, 28)));
  EXPECT_EQ(describe(boundsOf(picture("dot_pressed.png"), red)), describe(span(9, 11, 28, 26)));
  // Each ball carries a small white highlight at its upper left.
  for (const char* file : {"dot.png", "dot_pressed.png"}) {
    const QRect glint = boundsOf(picture(file), [](QRgb c) {
      return std::min({qRed(c), qGreen(c), qBlue(c)}) > 225;
    });
    EXPECT_FALSE(glint.isNull()) << file;
    EXPECT_LT(glint.width() * glint.height(), 16) << file;
    EXPECT_LT(glint.center().x(), 19) << file;
    EXPECT_LT(glint.center().y(), 19) << file;
  }
}

TEST(SkinCatalogue, CaptionWordsStandInTheirBoxes) {
  const QImage plate = picture("caption_plate.png");
  const auto ink = [&](int left, int right) {
    QRect box;
    for (int y = 1; y < 19; ++y) {
      for (int x = left; x <= right; ++x) {
        if (std::max({qRed(plate.pixel(x, y)), qGreen(plate.pixel(x, y)), qBlue(plate.pixel(x, y))}) < 170) {
          box = box.united(QRect(x, y, 1, 1));
        }
      }
    }
    return box;
  };
  const QRect volume = ink(1, 68);
  const QRect level = ink(73, 140);
  EXPECT_EQ(volume.left(), 5);
  EXPECT_EQ(level.left(), 85);
  for (const QRect& word : {volume, level}) {
    EXPECT_EQ(word.top(), 4);
    EXPECT_EQ(word.bottom(), 14);
  }
  EXPECT_GT(volume.width(), level.width()) << "six letters against five";
  for (const int x : {70, 71}) {
    EXPECT_EQ(qRed(plate.pixel(x, 10)), qGreen(plate.pixel(x, 10))) << "a grey gap between the boxes";
  }
}

TEST(SkinCatalogue, ScaleNumeralsStandAtTheirCentres) {
  const QImage scale = picture("scale.png");
  const auto dark = [&](int x, int y) {
    const QRgb c = scale.pixel(x, y);
    return std::max({qRed(c), qGreen(c), qBlue(c)}) < 90;
  };
  constexpr int centres[] = {22, 53, 84, 115, 145, 176, 207, 237, 269, 300, 329};
  for (const int centre : centres) {
    SCOPED_TRACE(centre);
    QRect numeral;
    for (int y = 2; y <= 27; ++y) {
      for (int x = centre - 8; x <= centre + 8; ++x) {
        if (dark(x, y)) {
          numeral = numeral.united(QRect(x, y, 1, 1));
        }
      }
    }
    ASSERT_FALSE(numeral.isNull());
    EXPECT_NEAR((numeral.left() + numeral.right()) / 2.0, centre, 1.0);
  }
  // The bar right of the 10 is empty.
  for (int y = 2; y <= 27; ++y) {
    for (int x = 340; x < scale.width(); ++x) {
      ASSERT_FALSE(dark(x, y)) << x << "," << y;
    }
  }
}

TEST(SkinCatalogue, PositionTrackTicks) {
  const QImage track = picture("position_track.png");
  constexpr int ticks[] = {21, 51, 81, 111, 142, 173, 203, 233, 263, 294, 324, 395};
  for (const int x : ticks) {
    EXPECT_TRUE(isLight(track.pixel(x, 16))) << x;
    EXPECT_FALSE(isLight(track.pixel(x + 3, 16))) << x + 3;
  }
}

TEST(SkinCatalogue, ThumbFramesLookAlike) {
  const QImage volume = picture("volume_thumb.png");
  int largest = 0;
  int differing = 0;
  for (int y = 0; y < 18; ++y) {
    for (int x = 0; x < 16; ++x) {
      const QRgb a = volume.pixel(x, y);
      const QRgb b = volume.pixel(x + 16, y);
      const int d = std::max(
          {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
      largest = std::max(largest, d);
      differing += d > 0;
      if (d > 0) {
        EXPECT_TRUE(y < 2 || y >= 16) << "only the navy rims differ: " << x << "," << y;
      }
    }
  }
  EXPECT_GT(differing, 0);
  EXPECT_LE(largest, 4);

  const QImage position = picture("position_thumb.png");
  EXPECT_EQ(position.copy(0, 0, 24, 34), position.copy(24, 0, 24, 34));
}

TEST(SkinCatalogue, EmblemIsAGreenFigureInsideItsBox) {
  const QImage emblem = picture("emblem.png");
  const QRect ink = boundsOf(emblem, [](QRgb c) { return c != qRgb(255, 255, 255); });
  ASSERT_FALSE(ink.isNull());
  EXPECT_TRUE(span(37, 55, 182, 132).contains(ink)) << describe(ink);
  // Most of the figure is green, with dark body and light highlights both present.
  int green = 0;
  int dark = 0;
  int light = 0;
  for (int y = ink.top(); y <= ink.bottom(); ++y) {
    for (int x = ink.left(); x <= ink.right(); ++x) {
      const QRgb c = emblem.pixel(x, y);
      if (qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 40) {
        ++green;
        dark += qGreen(c) < 100;
        light += qGreen(c) > 190;
      }
    }
  }
  EXPECT_GT(green, 2000);
  EXPECT_GT(dark, 100);
  EXPECT_GT(light, 20);
  // The figure stands on legs: green in the rows well below the body, but only a few pixels wide.
  int legPixels = 0;
  for (int x = ink.left(); x <= ink.right(); ++x) {
    const QRgb c = emblem.pixel(x, 110);
    legPixels += qGreen(c) > qRed(c) + 40;
  }
  EXPECT_GT(legPixels, 1);
  EXPECT_LT(legPixels, 12);
}

// --- Icons -------------------------------------------------------------------------------

TEST(SkinCatalogue, IconsAreWhiteSquaresWithCheckeredFramesAndMaskedCorners) {
  struct Case {
    const char* file;
    int size;
    int cornerRun;  // masked pixels per corner: the corner and its neighbours along the edges
    QRgb checkerA, checkerB;
  };
  const Case cases[] = {
      {"icon32.png", 32, 2, qRgb(0, 128, 0), qRgb(128, 128, 128)},
      {"icon16.png", 16, 1, qRgb(0, 255, 0), qRgb(0, 128, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const QImage icon = picture(c.file);
    int masked = 0;
    int white = 0;
    for (int y = 0; y < c.size; ++y) {
      for (int x = 0; x < c.size; ++x) {
        const QRgb p = icon.pixel(x, y);
        const int fromCorner = std::min(x, c.size - 1 - x) + std::min(y, c.size - 1 - y);
        EXPECT_EQ(qAlpha(p) == 0, fromCorner < c.cornerRun) << x << "," << y;
        masked += qAlpha(p) == 0;
        white += p == qRgb(255, 255, 255);
        EXPECT_FALSE(isKey(p));
        if ((x == 0 || y == 0) && fromCorner >= c.cornerRun) {
          EXPECT_TRUE(p == c.checkerA || p == c.checkerB) << x << "," << y;
          if (x + 1 < c.size && y == 0 && std::min(x + 1, c.size - 2 - x) >= c.cornerRun) {
            EXPECT_NE(p, icon.pixel(x + 1, y)) << "a checker alternates";
          }
        }
      }
    }
    EXPECT_EQ(masked, 4 * (c.cornerRun == 2 ? 3 : 1));
    EXPECT_GT(white, c.size * c.size / 3) << "a white square";
  }
}

}  // namespace
