#pragma once

#include <QFont>
#include <QString>

// The window definitions name Windows faces ("Terminal", "Bauhaus 93", "Ultra 911",
// "MS Sans Serif"). They do not exist on Linux; each name is mapped to a list of substitutes
// from Debian's font packages, so a missing face is replaced silently by the closest one there is.
void installFontSubstitutes();

// A font of `family` whose characters are `pixelHeight` pixels high.
QFont skinFont(const QString& family, int pixelHeight, bool underline = false);
