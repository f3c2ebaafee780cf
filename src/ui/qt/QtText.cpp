#include "ui/qt/QtText.h"

#include <QStringDecoder>

namespace ui::qt {

QString ToQString(std::string_view text) {
  const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString decoded = utf8.decode(bytes);
  if (!utf8.hasError()) {
    return decoded;
  }
  return QString::fromLatin1(bytes);
}

std::string ToStdString(const QString& text) {
  return text.toStdString();
}

QString StaticDisplayText(const QString& text) {
  QString shown;
  shown.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&')) {
      if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
        shown += QLatin1Char('&');
        ++i;
      }
      continue;
    }
    shown += text[i];
  }
  return shown;
}

QString FromCrLf(const QString& text) {
  QString converted = text;
  converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return converted;
}

QString ToCrLf(const QString& text) {
  QString converted = FromCrLf(text);
  converted.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return converted;
}

}  // namespace ui::qt
