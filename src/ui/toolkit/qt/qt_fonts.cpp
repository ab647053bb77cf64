#include "ui/toolkit/qt/qt_fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

#include "ui/toolkit/font_conversion.h"
#include "ui/toolkit/qt/qt_text.h"

namespace ui::toolkit {

QFont qtFont(const FontSpec& spec) {
  const FontStyle style = fontStyle(spec);
  QFont font(toQt(spec.face));
  if (spec.points > 0) font.setPointSizeF(spec.points);
  font.setBold(style.bold);
  font.setItalic(style.italic);
  font.setUnderline(style.underline);
  font.setFixedPitch(style.fixedPitch);
  font.setStyleHint(style.fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
  if (style.narrow) {
    const QString resolved = QFontInfo(font).family();
    if (!resolved.contains(QStringLiteral("Narrow"), Qt::CaseInsensitive) &&
        !resolved.contains(QStringLiteral("Condensed"), Qt::CaseInsensitive)) {
      font.setStretch(kNarrowStretch);
    }
  }
  return font;
}

QFont fontOf(int32_t number) {
  std::optional<FontSpec> spec = fontSpec(number);
  return spec ? qtFont(*spec) : QApplication::font();
}

void registerFaceSubstitutes() {
  const QStringList families = QFontDatabase::families();
  auto substitute = [&](const QString& face, const QStringList& candidates) {
    if (families.contains(face, Qt::CaseInsensitive)) return;
    QStringList present;
    for (const QString& candidate : candidates) {
      if (families.contains(candidate, Qt::CaseInsensitive)) present << candidate;
    }
    if (!present.isEmpty()) QFont::insertSubstitutions(face, present);
  };
  substitute(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
  substitute(QStringLiteral("Arial Narrow"), {QStringLiteral("Liberation Sans Narrow"),
                                              QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
  substitute(QStringLiteral("Times New Roman"),
             {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")});
  substitute(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine")});
}

}  // namespace ui::toolkit
