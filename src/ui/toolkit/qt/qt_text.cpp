#include "ui/toolkit/qt/qt_text.h"

#include "platform/text.h"

namespace ui::toolkit {

QString toQt(std::string_view text) {
  return QString::fromStdString(platform::utf8From1252(text));
}

std::string fromQt(const QString& text) {
  return platform::cp1252FromUtf8(text.toStdString());
}

QString toQtLines(std::string_view text) {
  QString converted = toQt(text);
  converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return converted;
}

std::string fromQtLines(const QString& text) {
  QString converted = text;
  converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  converted.replace(QChar(QChar::ParagraphSeparator), QChar('\n'));
  converted.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return fromQt(converted);
}

}  // namespace ui::toolkit
