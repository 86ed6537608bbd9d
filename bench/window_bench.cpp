// Costs of the main window's playback:
//   1. one position-timer tick (TimerTimer: its device queries and control writes) with the real
//      libmpv backend playing a 60 s WAV; the window is never shown, so nothing is painted;
//   2. the CPU of the whole program (the built `quorvi`, on a private Xvfb, libmpv's null audio
//      output) playing a 60 s MP3 to its end, beside a bare libmpv program playing the same file
//      in the same run. The program is measured twice: as the command line starts it (audio
//      plays, the logo stays, the starfield stands still), and in audio mode with the starfield
//      running, reached by clicking Stop and then Play in the real window. The X server's CPU is
//      counted with the program's.
//   window_bench [--benchmark_...] [--media-seconds=N] [--program=PATH]
// --media-seconds=0 leaves the CPU comparison out.
#include <mpv/client.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/application.h"
#include "bench/support/bare_player.h"
#include "playback/mpv_backend.h"
#include "tests/support/media_files.h"
#include "tests/support/window_fixture.h"
#include "tests/support/xvfb_server.h"
#include "ui/skin.h"
#include "widgets/skin_label.h"

extern char** environ;

namespace {

constexpr double kTickMediaSeconds = 60;
constexpr int kDefaultMediaSeconds = 60;
constexpr int kWaitBoundMs = 15000;
// Where the window puts itself and the centres of the Play pair and Stop, in window pixels.
constexpr int kWindowLeft = 442;
constexpr int kWindowTop = 205;
constexpr int kPlayPairX = 31;
constexpr int kStopX = 117;
constexpr int kButtonsY = 52;
// The video area inside its bevel, on the screen.
constexpr QRect kDisplayArea(kWindowLeft + 278, kWindowTop + 10, 156, 116);
// After the media's length: time for the last ticks and the end branch.
constexpr int kEndGraceMs = 1500;

QString mediaDir() {
  static QTemporaryDir dir;
  return dir.path();
}

// --- 1. one tick ---

void BM_TimerTick(benchmark::State& state) {
  static const QString wav = writeToneWav(mediaDir(), "tick.wav", kTickMediaSeconds);
  auto dialog = std::make_unique<ScriptedFileDialog>();
  dialog->answers.push_back(OpenDialogChoice{wav, 1});
  MainFensterServices services;
  services.mediaBackend = std::make_unique<MpvBackend>();
  services.fileDialog = std::move(dialog);
  services.urlOpener = std::make_unique<RecordingUrlOpener>();
  TMainFenster window(Skin::load(), std::move(services));
  window.OpenClick();  // audio mode: the starfield runs, so the tick also writes its speed
  // The benchmark calls the tick itself; the window's own timer would add ticks of its own.
  window.Timer->stop();
  const QDeadlineTimer deadline(kWaitBoundMs);
  while (window.Player.position() == 0 && !deadline.hasExpired()) {
    QCoreApplication::processEvents();
    QThread::usleep(200);
  }
  for (auto _ : state) {
    window.TimerTimer();
  }
  if (window.ByteProg->caption() == QStringLiteral("0")) {
    state.SkipWithError("the media did not play");
  }
  window.StopClick();
}
BENCHMARK(BM_TimerTick)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// --- 2. the whole program against bare libmpv ---

// User plus system CPU seconds a process has used so far (/proc/<pid>/stat), or nothing.
std::optional<double> cpuSeconds(qint64 pid) {
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) {
    return std::nullopt;
  }
  const QByteArray text = stat.readAll();
  // The command name may hold blanks; the fields after it start behind its closing bracket.
  const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
  constexpr int kUtime = 11;  // field 14 of the whole line
  constexpr int kStime = 12;
  if (fields.size() <= kStime) {
    return std::nullopt;
  }
  const double ticks = double(sysconf(_SC_CLK_TCK));
  return (fields[kUtime].toDouble() + fields[kStime].toDouble()) / ticks;
}

double rusageSeconds(const rusage& usage) {
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

pid_t spawn(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv) {
  std::vector<char*> argv;
  for (const std::string& a : args) {
    argv.push_back(const_cast<char*>(a.c_str()));
  }
  argv.push_back(nullptr);
  // The environment, with the names of `extraEnv` replaced.
  std::vector<std::string> envStore;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry(*e);
    const std::string name = entry.substr(0, entry.find('=') + 1);
    bool replaced = false;
    for (const std::string& extra : extraEnv) {
      replaced = replaced || extra.compare(0, name.size(), name) == 0;
    }
    if (!replaced) {
      envStore.push_back(entry);
    }
  }
  envStore.insert(envStore.end(), extraEnv.begin(), extraEnv.end());
  std::vector<char*> envp;
  for (std::string& e : envStore) {
    envp.push_back(e.data());
  }
  envp.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, args[0].c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0) {
    return -1;
  }
  return pid;
}

struct BareCost {
  double cpu = 0;
  double wall = 0;
  bool ok = false;
};

BareCost runBare(const QString& mp3) {
  QElapsedTimer clock;
  clock.start();
  const pid_t pid =
      spawn({QCoreApplication::applicationFilePath().toStdString(), "--child-bare", mp3.toStdString()}, {});
  if (pid < 0) {
    return {};
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) {
    return {};
  }
  return {rusageSeconds(usage), clock.elapsed() / 1000.0, WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

bool xdotool(const XvfbServer& server, const QStringList& args, QString* out = nullptr) {
  QProcess tool;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("DISPLAY"), server.display());
  tool.setProcessEnvironment(env);
  tool.start(QStringLiteral("xdotool"), args);
  if (!tool.waitForFinished(5000)) {
    return false;
  }
  if (out != nullptr) {
    *out = QString::fromLocal8Bit(tool.readAllStandardOutput());
  }
  return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

void click(const XvfbServer& server, int windowX, int windowY) {
  xdotool(server, {QStringLiteral("mousemove"), QString::number(kWindowLeft + windowX),
                   QString::number(kWindowTop + windowY), QStringLiteral("click"), QStringLiteral("1")});
}

struct ProgramCost {
  double programCpu = 0;
  double serverCpu = 0;
  double wall = 0;
  bool starsMoving = false;
  bool ok = false;
};

// Runs the program on a fresh Xvfb with `mp3` on its command line. With `starfield`, once the
// main window is on screen, Stop and then Play are clicked: Play's starfield step starts the
// starfield in audio mode and hides the logo, as after opening through the dialog. The CPU is
// counted from the start of playback (the program's start, or the Play click) until the media
// has ended.
ProgramCost runProgram(const QString& program, const QString& mp3, int mediaSeconds, bool starfield) {
  XvfbServer server;
  if (!server.running()) {
    std::printf("  (no Xvfb)\n");
    return {};
  }
  const qint64 serverPid = server.processId();
  QElapsedTimer clock;
  clock.start();
  const pid_t pid =
      spawn({program.toStdString(), mp3.toStdString()},
            {"DISPLAY=" + server.display().toStdString(), "QT_QPA_PLATFORM=xcb", "QUORVI_AUDIO_OUTPUT=null"});
  if (pid < 0) {
    return {};
  }
  ProgramCost cost;
  qint64 endMs = mediaSeconds * 1000 + kEndGraceMs;
  double programStart = 0;
  double serverStart = cpuSeconds(serverPid).value_or(0);
  qint64 startMs = 0;
  bool ok = true;
  if (starfield) {
    // The main window comes on screen after the splash.
    QString found;
    const QDeadlineTimer deadline(kWaitBoundMs);
    while (!xdotool(server,
                    {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                     QStringLiteral("^MainFenster$")},
                    &found) &&
           !deadline.hasExpired()) {
      QThread::msleep(100);
    }
    ok = !found.trimmed().isEmpty();
    QThread::msleep(500);  // the hand-over raises the window
    click(server, kStopX, kButtonsY);
    QThread::msleep(200);
    const qint64 playedAt = clock.elapsed();
    click(server, kPlayPairX, kButtonsY);
    // The stars move in the video area: two pictures of it differ.
    QThread::msleep(300);
    const QImage first = server.screenshot().copy(kDisplayArea);
    QThread::msleep(100);
    const QImage second = server.screenshot().copy(kDisplayArea);
    cost.starsMoving = !first.isNull() && first != second;
    programStart = cpuSeconds(pid).value_or(0);
    serverStart = cpuSeconds(serverPid).value_or(0);
    startMs = clock.elapsed();
    endMs = playedAt + mediaSeconds * 1000 + kEndGraceMs;
  }
  QThread::msleep(static_cast<unsigned long>(std::max<qint64>(0, endMs - clock.elapsed())));
  cost.programCpu = cpuSeconds(pid).value_or(-1) - programStart;
  cost.serverCpu = cpuSeconds(serverPid).value_or(-1) - serverStart;
  cost.wall = (clock.elapsed() - startMs) / 1000.0;
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
  cost.ok = ok && cost.programCpu >= 0 && cost.serverCpu >= 0;
  return cost;
}

void comparePlaybackCost(const QString& program, int mediaSeconds) {
  if (!QFileInfo(program).isExecutable()) {
    std::printf("program CPU: skipped (no program at %s)\n", qPrintable(program));
    return;
  }
  const QString mp3 = writeToneMp3(mediaDir(), "long.mp3", mediaSeconds);
  if (mp3.isEmpty()) {
    std::printf("program CPU: skipped (ffmpeg is needed to make the MP3)\n");
    return;
  }
  const BareCost bare = runBare(mp3);
  const ProgramCost plain = runProgram(program, mp3, mediaSeconds, false);
  const ProgramCost stars = runProgram(program, mp3, mediaSeconds, true);
  std::printf("CPU of playing a %d s MP3 to its end (user+sys seconds; %% of one core over the wall time):\n",
              mediaSeconds);
  std::printf("  bare libmpv:                    %6.2f s  %5.1f %%  (%.1f s wall)%s\n", bare.cpu,
              100 * bare.cpu / bare.wall, bare.wall, bare.ok ? "" : "  FAILED");
  for (const auto& [name, cost] :
       {std::pair{"program, command line", plain}, std::pair{"program, starfield", stars}}) {
    const double total = cost.programCpu + cost.serverCpu;
    std::printf(
        "  %-22s program %6.2f s + Xvfb %5.2f s = %6.2f s  %5.1f %%  %.2f x bare  (%.1f s wall)%s%s\n", name,
        cost.programCpu, cost.serverCpu, total, 100 * total / cost.wall,
        bare.cpu > 0 ? total / bare.cpu : 0.0, cost.wall, cost.starsMoving ? ", stars moving" : "",
        cost.ok ? "" : "  FAILED");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--child-bare") == 0) {
    return playBare(argv[2]);
  }
  if (qEnvironmentVariableIsEmpty("QUORVI_AUDIO_OUTPUT")) {
    qputenv("QUORVI_AUDIO_OUTPUT", "null");
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  Application app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  int mediaSeconds = kDefaultMediaSeconds;
  QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../quorvi"));
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], "--media-seconds=", 16) == 0) {
      mediaSeconds = std::atoi(argv[i] + 16);
    } else if (std::strncmp(argv[i], "--program=", 10) == 0) {
      program = QString::fromLocal8Bit(argv[i] + 10);
    } else {
      rest.push_back(argv[i]);
    }
  }
  int restCount = int(rest.size());
  benchmark::Initialize(&restCount, rest.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (mediaSeconds > 0) {
    comparePlaybackCost(program, mediaSeconds);
  }
  return 0;
}
