#include "ui/toolkit/win32/win32_fonts.h"

#include <map>
#include <string>
#include <tuple>

#include "ui/toolkit/back_end.h"
#include "ui/toolkit/font_conversion.h"
#include "ui/toolkit/win32/win32_text.h"

namespace ui::toolkit {

namespace {

using FontKey = std::tuple<std::string, double, std::string, int>;

std::map<FontKey, HFONT>& fontCache() {
  static std::map<FontKey, HFONT> cache;
  return cache;
}

int CALLBACK noteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool faceInstalled(const std::wstring& face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(wanted.lfFaceName, face.c_str(), LF_FACESIZE);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, noteFace, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

LOGFONTW logFont(const FontSpec& spec, int dpi) {
  const FontStyle style = fontStyle(spec);
  LOGFONTW font{};
  font.lfHeight = -MulDiv(static_cast<int>(spec.points * 100 + 0.5), dpi, 7200);
  font.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = style.italic ? TRUE : FALSE;
  font.lfUnderline = style.underline ? TRUE : FALSE;
  font.lfCharSet = ANSI_CHARSET;
  font.lfOutPrecision = OUT_TT_PRECIS;
  font.lfQuality = CLEARTYPE_QUALITY;
  font.lfPitchAndFamily = style.fixedPitch ? (FIXED_PITCH | FF_MODERN) : (VARIABLE_PITCH | FF_SWISS);
  lstrcpynW(font.lfFaceName, wideFrom1252(spec.face).c_str(), LF_FACESIZE);
  return font;
}

// A narrow face that is not installed is drawn as its wide relative, narrowed.
void narrowIfNeeded(const FontSpec& spec, LOGFONTW& font) {
  if (!fontStyle(spec).narrow || faceInstalled(font.lfFaceName)) return;
  HFONT wide = CreateFontIndirectW(&font);
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, wide);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen, &metrics);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  DeleteObject(wide);
  font.lfWidth = metrics.tmAveCharWidth * kNarrowStretch / 100;
}

}  // namespace

HFONT gdiFont(const FontSpec& spec) {
  const int dpi = static_cast<int>(screenDotsPerInch() > 0 ? screenDotsPerInch() : 96);
  const FontKey key{spec.face, spec.points, spec.properties, dpi};
  auto& cache = fontCache();
  if (auto found = cache.find(key); found != cache.end()) return found->second;
  LOGFONTW font = logFont(spec, dpi);
  narrowIfNeeded(spec, font);
  HFONT made = CreateFontIndirectW(&font);
  cache[key] = made;
  return made;
}

FontSpec fontSpecOf(int32_t number) {
  if (std::optional<FontSpec> spec = fontSpec(number)) return *spec;
  return *fontSpec(kListFont);
}

HFONT fontOf(int32_t number) {
  return gdiFont(fontSpecOf(number));
}

}  // namespace ui::toolkit
