#pragma once

#include <QString>
#include <QtGlobal>

// The texts and numbers the window derives from positions and the volume slider.

// "m:s" with each number right-aligned in two characters, padded with blanks, never zeros
// (3 minutes 7 seconds give " 3: 7"); three-digit minutes widen their field.
QString formatPlayTime(qint32 positionMs);

// The volume slider's position as a share of its maximum 127, in whole per cent, halves to even.
int volumePercent(int sliderPosition);

// "Volume: 50% / Progress: 7%": the hint every handler but the position timer writes.
QString volLevHint(int volume, int progress);
// "Volume: 50% / Progress:  7%": the position timer's padded form of the same hint.
QString paddedVolLevHint(qint64 volume, int progress);

// The "Total: " hint of the position label.
QString totalHint(qint32 length);
