// Costs of the media device over libmpv:
//   - opening a local 60 s WAV and starting it: until `play` returned (the device plays), and until
//     the position first moves (this adds libmpv's clock update period: 50 ms with the null
//     output). The first open, which starts the audio output, is left out; the median counts.
//   - one position read while playing,
//   - peak memory and CPU of playing a 60 s MP3 through the device (with the window's 10 ms
//     position tick) against a bare libmpv program playing the same file, each in its own
//     process, measured in one run.
//   media_bench [--benchmark_...] [--play-seconds=N]
// Audio goes to QUORVI_AUDIO_OUTPUT; unset, the bench uses libmpv's null output.
#include <mpv/client.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/support/bare_player.h"
#include "playback/media_device.h"
#include "playback/mpv_backend.h"
#include "tests/support/media_files.h"

extern char** environ;

namespace {

constexpr double kMediaSeconds = 60;
constexpr int kDefaultPlaySeconds = 20;
constexpr int kTickMs = 10;
constexpr int kWaitBoundMs = 5000;

QString mediaDir() {
  static QTemporaryDir dir;
  return dir.path();
}

QString longWav() {
  static const QString path = writeToneWav(mediaDir(), "long.wav", kMediaSeconds);
  return path;
}

// Runs queued libmpv calls until the device's position moved off 0.
bool waitUntilPlaying(MediaDevice& device) {
  const QDeadlineTimer deadline(kWaitBoundMs);
  while (device.position() == 0) {
    if (deadline.hasExpired()) {
      return false;
    }
    QCoreApplication::processEvents();
    QThread::usleep(200);
  }
  return true;
}

// state.range(0): 0 = until `play` returned, 1 = until the position moved.
void BM_OpenAndPlay(benchmark::State& state) {
  const bool untilMoved = state.range(0) == 1;
  MediaDevice device(std::make_unique<MpvBackend>());
  device.setFileName(longWav());
  device.open();  // the first open starts the audio output: not counted
  device.play();
  waitUntilPlaying(device);
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    device.open();
    device.play();
    if (untilMoved && !waitUntilPlaying(device)) {
      state.SkipWithError("the file did not start playing");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (!untilMoved) {
      waitUntilPlaying(device);  // the same state before every open
    }
  }
}
BENCHMARK(BM_OpenAndPlay)
    ->ArgName("untilPositionMoves")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_PositionRead(benchmark::State& state) {
  MediaDevice device(std::make_unique<MpvBackend>());
  device.setFileName(longWav());
  device.open();
  device.play();
  waitUntilPlaying(device);
  for (auto _ : state) {
    benchmark::DoNotOptimize(device.position());
  }
}
BENCHMARK(BM_PositionRead);

// --- the playback cost comparison: each player runs in a child process ---

// The device as the window drives it: a 10 ms tick that reads the position five times and the
// length once (the position tracking's queries).
int playWithDevice(const char* file, int seconds) {
  MediaDevice device(std::make_unique<MpvBackend>());
  device.setFileName(QString::fromLocal8Bit(file));
  device.open();
  device.play();
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  qint64 sink = 0;  // keeps the reads from being optimised away
  QObject::connect(&tick, &QTimer::timeout, [&] {
    for (int i = 0; i < 5; ++i) {
      sink += device.position();
    }
    sink += device.length();
  });
  tick.start(kTickMs);
  QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
  QCoreApplication::exec();
  return sink == -1 ? 1 : 0;
}

// The peak resident memory of this process since its program started (VmHWM). The rusage of a
// spawned child would also count the parent's pages from before the exec.
long peakRssKb() {
  FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr) {
    return 0;
  }
  char line[256];
  long kb = 0;
  while (std::fgets(line, sizeof line, status) != nullptr) {
    if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1) {
      break;
    }
  }
  std::fclose(status);
  return kb;
}

void reportPeak(const char* path) {
  if (FILE* out = std::fopen(path, "w")) {
    std::fprintf(out, "%ld\n", peakRssKb());
    std::fclose(out);
  }
}

struct Cost {
  double cpuSeconds = 0;
  long peakRssKb = 0;
  bool ok = false;
};

Cost runChild(const std::string& mode, const QString& file, int seconds) {
  const std::string self = QCoreApplication::applicationFilePath().toStdString();
  const std::string path = file.toStdString();
  const std::string duration = std::to_string(seconds);
  const std::string peakFile = (mediaDir() + "/peak" + QString::fromStdString(mode)).toStdString();
  std::vector<char*> argv = {const_cast<char*>(self.c_str()),     const_cast<char*>(mode.c_str()),
                             const_cast<char*>(path.c_str()),     const_cast<char*>(duration.c_str()),
                             const_cast<char*>(peakFile.c_str()), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
    return {};
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) {
    return {};
  }
  Cost cost;
  cost.cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                    double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  cost.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  if (FILE* in = std::fopen(peakFile.c_str(), "r")) {
    cost.ok = cost.ok && std::fscanf(in, "%ld", &cost.peakRssKb) == 1;
    std::fclose(in);
  } else {
    cost.ok = false;
  }
  return cost;
}

void comparePlaybackCost(int seconds) {
  const QString mp3 = writeToneMp3(mediaDir(), "long.mp3", kMediaSeconds);
  if (mp3.isEmpty()) {
    std::printf("playback cost: skipped (ffmpeg is needed to make the MP3)\n");
    return;
  }
  const Cost device = runChild("--child-device", mp3, seconds);
  const Cost bare = runChild("--child-bare", mp3, seconds);
  if (!device.ok || !bare.ok) {
    std::printf("playback cost: a player failed\n");
    return;
  }
  std::printf("playback cost of %d s of a %g s MP3:\n", seconds, kMediaSeconds);
  std::printf("  device + 10 ms tick: CPU %.3f s, peak RSS %.1f MB\n", device.cpuSeconds,
              device.peakRssKb / 1024.0);
  std::printf("  bare libmpv:         CPU %.3f s, peak RSS %.1f MB\n", bare.cpuSeconds,
              bare.peakRssKb / 1024.0);
  std::printf("  CPU ratio device/bare: %.2f\n",
              bare.cpuSeconds > 0 ? device.cpuSeconds / bare.cpuSeconds : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QUORVI_AUDIO_OUTPUT")) {
    qputenv("QUORVI_AUDIO_OUTPUT", "null");
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  if (argc == 5 && std::strcmp(argv[1], "--child-bare") == 0) {
    const int result = playBare(argv[2], std::atoi(argv[3]));
    reportPeak(argv[4]);
    return result;
  }
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  if (argc == 5 && std::strcmp(argv[1], "--child-device") == 0) {
    const int result = playWithDevice(argv[2], std::atoi(argv[3]));
    reportPeak(argv[4]);
    return result;
  }
  int playSeconds = kDefaultPlaySeconds;
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], "--play-seconds=", 15) == 0) {
      playSeconds = std::atoi(argv[i] + 15);
    } else {
      rest.push_back(argv[i]);
    }
  }
  int restCount = int(rest.size());
  benchmark::Initialize(&restCount, rest.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (playSeconds > 0) {
    comparePlaybackCost(playSeconds);
  }
  return 0;
}
