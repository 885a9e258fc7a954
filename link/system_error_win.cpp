#include "link/system_error_win.h"

#include <windows.h>

namespace tesmar::link {

std::string SystemErrorText(unsigned long code) {
  char text[256] = {};
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, code, 0, text, sizeof text, nullptr);
  std::string words(text, n);
  while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == ' '))
    words.pop_back();
  return words.empty() ? "error " + std::to_string(code) : words;
}

}  // namespace tesmar::link
