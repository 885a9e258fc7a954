#include "app/wire_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include "app/prompt.h"

namespace tesmar::app {

namespace {

// Qt knows the code page by this name only when it is built with ICU or
// iconv; both are on every Debian build.
constexpr const char* kWireEncoding = "windows-1251";

bool RoundTrips(const QString& text, QByteArray& bytes) {
  QStringEncoder encode(kWireEncoding);
  QStringDecoder decode(kWireEncoding);
  if (!encode.isValid() || !decode.isValid()) return false;
  bytes = encode(text);
  const QString back = decode(bytes);
  return !encode.hasError() && back == text;
}

}  // namespace

std::optional<std::string> ToWireExact(const QString& text) {
  QByteArray bytes;
  if (!RoundTrips(text, bytes)) return std::nullopt;
  return bytes.toStdString();
}

QString CharactersOutsideWire(const QString& text) {
  QString bad;
  for (qsizetype i = 0; i < text.size(); ++i) {
    // A character outside the basic plane is two code units: test them together.
    const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString c = text.mid(i, n);
    QByteArray bytes;
    if (!RoundTrips(c, bytes) && !bad.contains(c)) bad += c;
    i += n - 1;
  }
  return bad;
}

bool WireField(Prompt& prompt, const QString& caption, const QString& text, std::string& out) {
  if (std::optional<std::string> bytes = ToWireExact(text)) {
    out = std::move(*bytes);
    return true;
  }
  prompt.showMessage(Tesmar::mark("Поле \"") + caption + Tesmar::mark("\": символы \"") + CharactersOutsideWire(text) +
                     Tesmar::mark("\" не передаются регистратору (кодировка Windows-1251). Команда не "
                     "отправлена!"));
  return false;
}

}  // namespace tesmar::app
