#include "link/session_log.h"

#include <cstdio>

#include "link/encoding.h"
#include "link/platform.h"

namespace tesmar::link {

namespace {

// Fields in the order day, month, year, hour, minute, second.
std::string Stamp(const char* format, const std::tm& t, std::string_view text = {}) {
  char buf[400];
  std::snprintf(buf, sizeof buf, format, t.tm_mday, t.tm_mon + 1, t.tm_year + 1900, t.tm_hour,
                t.tm_min, t.tm_sec, std::string(text).c_str());
  return buf;
}

}  // namespace

SessionLog::SessionLog() : clock_(platform::LocalTime), cwd_(platform::CurrentDirectory) {}

void SessionLog::SetLogFileName(std::string_view name) {
  name_.assign(name.substr(0, 299));
}

// The path is built once, at the first entry: later changes of the name or
// of the current directory do not move the log.
void SessionLog::FixPath() {
  if (path_.empty()) path_ = platform::PathIn(cwd_(), name_);
}

void SessionLog::Append(const std::string& text) {
  std::FILE* f = std::fopen(path_.c_str(), "ab");
  if (!f) return;  // an entry that cannot be written is skipped
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
}

void SessionLog::WriteReplyEntry(std::string_view first, std::string_view raw) {
  if (name_.empty() || !comments_) return;
  FixPath();
  std::string out = Stamp(";%2d-%02d-%4d %2d:%02d:%02d  %s", clock_(), first) + "\r\n";
  out.append(raw);
  out += "\r\n";
  Append(out);
}

void SessionLog::WriteLogEntry(std::string_view first, std::string_view second) {
  if (name_.empty()) return;
  FixPath();
  const std::tm now = clock_();

  // Every line the log itself ends is ended with CR LF; the texts it is
  // given (parameters, raw replies) are written byte for byte.
  std::string out;
  if (first.empty()) {
    static const std::string start = Utf8ToCp1251(";Начало сеанса   %2d-%02d-%4d %2d:%02d:%02d");
    out = Stamp(start.c_str(), now) + " \r\n";
  } else if (second.empty()) {
    static const std::string end = Utf8ToCp1251(";Конец Сеанса   %2d-%02d-%4d %2d:%02d:%02d");
    out = Stamp(end.c_str(), now) + " \r\n";
  } else {
    if (comments_) out = Stamp(";%2d-%02d-%4d %2d:%02d:%02d  %s", now, first) + "\r\n";
    out.append(second);
    out += "\r\n";
  }
  Append(out);
}

}  // namespace tesmar::link
