#include "ui/fonts.h"

#include <QStringList>

void installFontSubstitutes() {
  QFont::insertSubstitutions(
      QStringLiteral("Terminal"),
      {QStringLiteral("Terminus"), QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")});
  QFont::insertSubstitutions(
      QStringLiteral("Bauhaus 93"),
      {QStringLiteral("URW Gothic"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
  QFont::insertSubstitutions(QStringLiteral("Ultra 911"),
                             {QStringLiteral("League Spartan Black"), QStringLiteral("League Spartan"),
                              QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             {QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
}

QFont skinFont(const QString& family, int pixelHeight, bool underline) {
  QFont font(family);
  font.setPixelSize(pixelHeight);
  font.setUnderline(underline);
  font.setStyleStrategy(QFont::PreferMatch);
  return font;
}
