#pragma once

#include <QString>
#include <QtGlobal>

// Media files generated for the tests and benchmarks. Each writer creates `dir/name` (the
// directory must exist), overwrites an existing file and returns the full path.

// A mono 16-bit PCM WAV with a sine tone.
QString writeToneWav(const QString& dir, const QString& name, double seconds, int sampleRate = 44100,
                     double freq = 440);

// A raw YUV 4:2:0 video (YUV4MPEG2): a background that changes colour from frame to frame and a
// white bar that moves to the right.
QString writeY4mVideo(const QString& dir, const QString& name, int frames, int w = 160, int h = 120,
                      int fps = 25);

// An MP3 with a sine tone, encoded by the `ffmpeg` program; an empty string when ffmpeg is
// missing or fails.
QString writeToneMp3(const QString& dir, const QString& name, double seconds);

// Bad input.
QString writeEmptyFile(const QString& dir, const QString& name);
// `size` pseudo-random bytes (the same bytes for the same seed).
QString writeRandomBytes(const QString& dir, const QString& name, qint64 size, quint32 seed = 1);
// The first `keepBytes` bytes of a one-second tone WAV (its header is 44 bytes).
QString writeTruncatedWav(const QString& dir, const QString& name, qint64 keepBytes);
// A text file with the given content (playlists and the like).
QString writeTextFile(const QString& dir, const QString& name, const QByteArray& content);
