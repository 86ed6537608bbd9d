#include "tests/support/media_files.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtEndian>
#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr int kWavHeaderBytes = 44;
constexpr double kToneAmplitude = 0.3 * 32767;

QString writeBytes(const QString& dir, const QString& name, const QByteArray& bytes) {
  const QString path = QDir(dir).absoluteFilePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    qFatal("cannot write test media %s", qPrintable(path));
  }
  return path;
}

void appendLe16(QByteArray& out, quint16 value) {
  const quint16 le = qToLittleEndian(value);
  out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

void appendLe32(QByteArray& out, quint32 value) {
  const quint32 le = qToLittleEndian(value);
  out.append(reinterpret_cast<const char*>(&le), sizeof le);
}

QByteArray toneWav(double seconds, int sampleRate, double freq) {
  const auto samples = static_cast<quint32>(std::llround(seconds * sampleRate));
  const quint32 dataBytes = samples * 2;
  QByteArray out;
  out.reserve(kWavHeaderBytes + static_cast<qsizetype>(dataBytes));
  out.append("RIFF");
  appendLe32(out, 36 + dataBytes);
  out.append("WAVEfmt ");
  appendLe32(out, 16);  // size of the fmt chunk
  appendLe16(out, 1);   // PCM
  appendLe16(out, 1);   // mono
  appendLe32(out, static_cast<quint32>(sampleRate));
  appendLe32(out, static_cast<quint32>(sampleRate) * 2);  // bytes per second
  appendLe16(out, 2);                                     // block align
  appendLe16(out, 16);                                    // bits per sample
  out.append("data");
  appendLe32(out, dataBytes);
  for (quint32 i = 0; i < samples; ++i) {
    const double value = kToneAmplitude * std::sin(2 * std::numbers::pi * freq * i / sampleRate);
    appendLe16(out, static_cast<quint16>(static_cast<qint16>(std::lround(value))));
  }
  return out;
}

}  // namespace

QString writeToneWav(const QString& dir, const QString& name, double seconds, int sampleRate, double freq) {
  return writeBytes(dir, name, toneWav(seconds, sampleRate, freq));
}

QString writeY4mVideo(const QString& dir, const QString& name, int frames, int w, int h, int fps) {
  constexpr int kBarWidth = 8;
  constexpr char kWhite = char(235);
  QByteArray out =
      QStringLiteral("YUV4MPEG2 W%1 H%2 F%3:1 Ip A1:1 C420jpeg\n").arg(w).arg(h).arg(fps).toLatin1();
  const int chromaBytes = (w / 2) * (h / 2);
  for (int f = 0; f < frames; ++f) {
    out.append("FRAME\n");
    QByteArray luma(w * h, char(40 + (f * 7) % 150));
    const int barLeft = (f * 4) % std::max(1, w - kBarWidth);
    for (int y = 0; y < h; ++y) {
      for (int x = barLeft; x < barLeft + kBarWidth && x < w; ++x) {
        luma[y * w + x] = kWhite;
      }
    }
    out.append(luma);
    out.append(QByteArray(chromaBytes, char((f * 13) % 256)));
    out.append(QByteArray(chromaBytes, char(255 - (f * 5) % 256)));
  }
  return writeBytes(dir, name, out);
}

QString writeToneMp3(const QString& dir, const QString& name, double seconds) {
  const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
  if (ffmpeg.isEmpty()) {
    return {};
  }
  const QString path = QDir(dir).absoluteFilePath(name);
  QProcess process;
  process.start(ffmpeg, {"-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                         QStringLiteral("sine=frequency=440:sample_rate=44100:duration=%1").arg(seconds),
                         "-ac", "2", "-b:a", "128k", "-f", "mp3", path});
  constexpr int kEncodeTimeoutMs = 60000;
  if (!process.waitForFinished(kEncodeTimeoutMs) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    return {};
  }
  return path;
}

QString writeEmptyFile(const QString& dir, const QString& name) {
  return writeBytes(dir, name, {});
}

QString writeRandomBytes(const QString& dir, const QString& name, qint64 size, quint32 seed) {
  std::mt19937 random(seed);
  QByteArray bytes(size, Qt::Uninitialized);
  for (char& byte : bytes) {
    byte = static_cast<char>(random() & 0xFF);
  }
  return writeBytes(dir, name, bytes);
}

QString writeTruncatedWav(const QString& dir, const QString& name, qint64 keepBytes) {
  return writeBytes(dir, name, toneWav(1.0, 44100, 440).left(keepBytes));
}

QString writeTextFile(const QString& dir, const QString& name, const QByteArray& content) {
  return writeBytes(dir, name, content);
}
