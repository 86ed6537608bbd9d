// Costs of the drawing work the window repeats many times a second: the splash fade's brightness
// rendering, a starfield frame and the progress bar's position writes.
//   widgets_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include <QApplication>
#include <QFont>
#include <QImage>

#include <benchmark/benchmark.h>

#include "widgets/brightness_core.h"
#include "widgets/gradient_progress.h"
#include "widgets/starfield_core.h"

namespace {

const QSize kLogoSize(235, 164);
const QSize kFieldSize(156, 116);
const QSize kBarSize(140, 17);

QImage logoPicture() {
  QImage image(kLogoSize, QImage::Format_RGB888);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      image.setPixel(x, y, qRgb(x % 256, (x + y) % 256, (3 * y) % 256));
    }
  }
  return image;
}

// One tick of the splash fade: a rendering of the whole logo.
void BM_BrightnessRender(benchmark::State& state) {
  const QImage source = logoPicture();
  int brightness = 100;
  for (auto _ : state) {
    QImage result = renderBrightness(source, brightness, false, false, false);
    benchmark::DoNotOptimize(result.constBits());
    brightness = brightness == 0 ? 100 : brightness - 1;
  }
}
BENCHMARK(BM_BrightnessRender);

// One frame of the audio mode's starfield, stars in full flight.
void BM_StarfieldFrame(benchmark::State& state) {
  StarfieldCore field(4711);
  field.setMaxSpeed(100);
  field.setSize(kFieldSize);
  field.setStars(StarfieldCore::kDefaultStars);
  for (int i = 0; i < 300; ++i) {
    field.makeFrame();
  }
  for (auto _ : state) {
    field.makeFrame();
    benchmark::DoNotOptimize(field.frame().constBits());
  }
}
BENCHMARK(BM_StarfieldFrame);

// The window's bar, as the form sets it up.
void setUpBar(GradientProgress& bar) {
  bar.resize(kBarSize);
  QFont font("Terminal");
  font.setPixelSize(12);
  bar.setFont(font);
  bar.setCaption("0:00");
}

// A position write that moves the fill by a block, so the picture is redrawn with its caption.
void BM_ProgressWriteChangingFill(benchmark::State& state) {
  GradientProgress bar;
  setUpBar(bar);
  bool high = false;
  const int redrawsBefore = bar.redrawCount();
  for (auto _ : state) {
    high = !high;
    bar.setPosition(high ? 60 : 40);
  }
  state.counters["redraws_per_write"] =
      static_cast<double>(bar.redrawCount() - redrawsBefore) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ProgressWriteChangingFill);

// The position timer's common case: the position moves but the fill stays.
void BM_ProgressWriteSameFill(benchmark::State& state) {
  GradientProgress bar;
  setUpBar(bar);
  bar.setPosition(50);
  bool high = false;
  const int redrawsBefore = bar.redrawCount();
  for (auto _ : state) {
    high = !high;
    bar.setPosition(high ? 51 : 50);
  }
  state.counters["redraws_per_write"] =
      static_cast<double>(bar.redrawCount() - redrawsBefore) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ProgressWriteSameFill);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
