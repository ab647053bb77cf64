#include "ui/toolkit/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

#include "ui/toolkit/state.h"
#include "ui/toolkit/text.h"

namespace ui::toolkit {

namespace {

FontSpec builtInFont(int32_t number) {
  switch (number) {
    case 1:
      return {"Courier New", 10, ""};
    case 2:
      return {"Arial", 8, "V"};
    case 3:
      return {"Arial", 9, "BV"};
    case 4:
      return {"Arial", 9, "V"};
    case 5:
      return {"Times New Roman", 10, "V"};
    default:
      return {"Arial", 9, "V"};
  }
}

bool has(std::string_view properties, char letter) {
  const char lower = static_cast<char>(letter - 'A' + 'a');
  return properties.find(letter) != std::string_view::npos ||
         properties.find(lower) != std::string_view::npos;
}

// Percentage width of the narrow faces, applied when no narrow face of their own is installed.
constexpr int kNarrowStretch = 82;

}  // namespace

void EZ_DEFFONT(int32_t number, std::string_view face, double points, std::string_view properties) {
  toolkit().fonts[number] = FontSpec{std::string(face), points, std::string(properties)};
}

void EZ_FREEFONT(int32_t number) {
  toolkit().fonts.erase(number);
}

std::optional<FontSpec> fontSpec(int32_t number) {
  const auto& defined = toolkit().fonts;
  auto found = defined.find(number);
  if (found != defined.end()) return found->second;
  if (number >= 0 && number <= 5) return builtInFont(number);
  return std::nullopt;
}

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
