#pragma once

// The floor the benchmarks compare against: libmpv alone playing `file` with no video output and
// the audio output named by QUORVI_AUDIO_OUTPUT (null when unset), nothing else. It plays until
// the file ends, or for `seconds` when that is above 0. Returns 0 when the file played.
int playBare(const char* file, int seconds = 0);
