// Text between the registrar (Windows-1251) and the screen.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "encoding.h"

namespace tesmar::app {

inline QString FromWire(std::string_view cp1251) {
  return QString::fromStdString(link::Cp1251ToUtf8(cp1251));
}
inline std::string ToWire(const QString& text) {
  return link::Utf8ToCp1251(text.toStdString());
}

}  // namespace tesmar::app
