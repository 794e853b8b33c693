#include "qt/fonts.h"

#include <QStringList>

namespace kestrova {

namespace {
constexpr const char* kFamily = "SimSun";

// Substitutes in order of preference. The monospaced variant of WenQuanYi comes first: like
// SimSun it gives Latin letters and digits half the width of an ideograph, so numbers fit
// the narrow fields as they did on the original forms.

void InstallSubstitutes() {
  static const bool done = [] {
    QFont::insertSubstitutions(QString::fromLatin1(kFamily),
                               {QStringLiteral("NSimSun"), QStringLiteral("WenQuanYi Micro Hei Mono"),
                                QStringLiteral("WenQuanYi Micro Hei"),
                                QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC"),
                                QStringLiteral("Source Han Sans SC"), QStringLiteral("AR PL UMing CN"),
                                QStringLiteral("Droid Sans Fallback")});
    return true;
  }();
  (void)done;
}
}  // namespace

QFont ConsoleFont(double points) {
  InstallSubstitutes();
  QFont font(QString::fromLatin1(kFamily));
  font.setPointSizeF(points);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace kestrova
