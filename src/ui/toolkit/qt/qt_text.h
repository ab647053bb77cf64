// The program's texts are 8-bit Windows-1252; Qt speaks Unicode. Every text crosses here.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace ui::toolkit {

QString toQt(std::string_view text);
// Characters without a Windows-1252 byte become "?".
std::string fromQt(const QString& text);

// Multi-line edit controls keep CR LF line ends inside the program; Qt separates lines with LF.
QString toQtLines(std::string_view text);
std::string fromQtLines(const QString& text);

}  // namespace ui::toolkit
