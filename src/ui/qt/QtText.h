#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace ui::qt {

// The windows' texts are 8-bit strings: UTF-8 when they are valid UTF-8,
// otherwise read as Latin-1 (the Western code page the texts were written in).
QString ToQString(std::string_view text);
std::string ToStdString(const QString& text);

// A static control's text as Windows shows it: "&&" is a literal "&", a
// single "&" only marks the next letter's mnemonic and is not shown.
QString StaticDisplayText(const QString& text);

// Multi-line edits keep CR LF line ends; Qt's editors use LF.
QString FromCrLf(const QString& text);
QString ToCrLf(const QString& text);

}  // namespace ui::qt
