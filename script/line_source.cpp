#include "script/line_source.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "script/values.h"

namespace tesmar::script {

LineSource::Opened LineSource::Open(const std::string& fileName) {
  Close();
  std::error_code ec;
  const std::filesystem::file_status st = std::filesystem::status(fileName, ec);
  if (std::filesystem::exists(st) && !std::filesystem::is_regular_file(st))
    return Opened::kNotAFile;
  fileName_ = fileName;
  readError_.clear();
  file_ = std::fopen(fileName.c_str(), "rb");
  return file_ ? Opened::kOk : Opened::kCannotOpen;
}

void LineSource::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

// Byte by byte, so that a NUL inside a line cannot hide the rest of it.
LineSource::Piece LineSource::Read(std::string& line) {
  char buf[kLinePiece];
  size_t n = 0;
  int c = 0;
  while (n < kLinePiece && (c = getc_unlocked(file_)) != EOF) {
    buf[n++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  // A line cut short by a read error is not handed out.
  if (Failed()) return Piece::kReadError;
  line.assign(buf, n);
  if (n < kLinePiece || c == '\n') return n == 0 ? Piece::kEnd : Piece::kLine;
  return RestOfFullPiece();
}

// A full piece is the whole line when only its line end follows; that line
// end is then read as an empty line of its own. Otherwise the line is read to
// its end, so that no piece of it is taken for a line.
LineSource::Piece LineSource::RestOfFullPiece() {
  const long rest = Position();
  bool longer = false;
  int c = 0;
  while ((c = getc_unlocked(file_)) != EOF && c != '\n')
    if (c >= 32) longer = true;
  if (Failed()) return Piece::kReadError;
  if (longer) return Piece::kTooLong;
  Seek(rest);
  return Piece::kLine;
}

bool LineSource::Failed() {
  if (!std::ferror(file_)) return false;
  readError_ = std::strerror(errno);
  return true;
}

long LineSource::LineNumberAt(long position) {
  const long back = Position();
  Seek(0);
  long n = 1;
  for (long i = 0; i < position; ++i)
    if (std::getc(file_) == '\n') ++n;
  Seek(back);
  return n;
}

std::string CleanLine(const std::string& line, bool trim) {
  std::string s = line;
  while (!s.empty() && static_cast<unsigned char>(s.back()) < 32) s.pop_back();
  return trim ? Trim(s) : s;
}

}  // namespace tesmar::script
