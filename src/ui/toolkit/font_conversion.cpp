#include "ui/toolkit/font_conversion.h"

#include <QApplication>
#include <QFontInfo>

#include "ui/toolkit/text.h"

namespace ui::toolkit {

namespace {

bool has(std::string_view properties, char letter) {
  const char lower = static_cast<char>(letter - 'A' + 'a');
  return properties.find(letter) != std::string_view::npos ||
         properties.find(lower) != std::string_view::npos;
}

// Percentage width of the narrow faces, applied when no narrow face of their own is installed.
constexpr int kNarrowStretch = 82;

}  // namespace

QFont qtFont(const FontSpec& spec) {
  QFont font(toQt(spec.face));
  if (spec.points > 0) font.setPointSizeF(spec.points);
  font.setBold(has(spec.properties, 'B'));
  font.setItalic(has(spec.properties, 'I'));
  font.setUnderline(has(spec.properties, 'U'));
  font.setFixedPitch(!has(spec.properties, 'V'));
  font.setStyleHint(has(spec.properties, 'V') ? QFont::SansSerif : QFont::TypeWriter);
  const QString face = toQt(spec.face);
  if (face.contains(QStringLiteral("Narrow"), Qt::CaseInsensitive)) {
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

}  // namespace ui::toolkit
