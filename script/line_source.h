// A script file read line by line through its byte position, never loaded
// whole: every jump of a run is a seek to a remembered line start.
#pragma once

#include <cstdio>
#include <string>

namespace tesmar::script {

class LineSource {
 public:
  // The longest line a script may have, line end not counted.
  static constexpr size_t kLinePiece = 299;

  enum class Opened { kOk, kNotAFile, kCannotOpen };
  enum class Piece {
    kEnd,        // nothing left to read
    kLine,       // a line (with its line end when it had one)
    kTooLong,    // a longer line: its first kLinePiece bytes, the rest passed over
    kReadError,  // the file could not be read (not its end)
  };

  LineSource() = default;
  ~LineSource() { Close(); }
  LineSource(const LineSource&) = delete;
  LineSource& operator=(const LineSource&) = delete;

  // A folder, a device or a pipe is no script: reading it would end at once
  // as an empty file, or wait for input that never comes.
  Opened Open(const std::string& fileName);
  void Close();
  const std::string& FileName() const { return fileName_; }

  long Position() const { return std::ftell(file_); }
  void Seek(long position) { std::fseek(file_, position, SEEK_SET); }
  Piece Read(std::string& line);
  // The number, counted from 1, of the file's line that starts at
  // `position`; the reading position stays where it was.
  long LineNumberAt(long position);
  // Why the last read failed, in the system's words.
  const std::string& ReadError() const { return readError_; }

 private:
  bool Failed();
  Piece RestOfFullPiece();

  std::FILE* file_ = nullptr;
  std::string fileName_;
  std::string readError_;
};

// Removes control characters from the end; then, when `trim`, blanks and
// control characters from both ends.
std::string CleanLine(const std::string& line, bool trim);

}  // namespace tesmar::script
