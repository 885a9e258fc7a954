// tsinit.ini access with the semantics of the Windows profile functions:
// sections and keys compare without regard to case, an absent key gives the
// default, a value is cut to the caller's buffer size - 1, an integer is read
// from the leading digits. Writes replace the file atomically, so a crash
// never leaves it half-written. The file is read afresh at every call, as the
// program reads a value at the moment it needs it.
//
// Values are UTF-8 on this side. The file may have been written on Windows
// in Windows-1251: a value whose bytes are UTF-8 is read as UTF-8, any other
// as Windows-1251; a value written goes in the file's own encoding (UTF-8
// unless some byte of the file is not).
#pragma once

#include <string>
#include <string_view>

namespace tesmar::link {

class IniProfile {
 public:
  explicit IniProfile(std::string path) : path_(std::move(path)) {}

  const std::string& Path() const { return path_; }
  bool Exists() const;

  // The value in UTF-8. The buffer counts the value's bytes in the file,
  // and a cut never ends inside a character.
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view defaultValue, size_t bufferSize = 256) const;
  int GetInt(std::string_view section, std::string_view key, int defaultValue) const;
  // Sets one value (UTF-8), adding the section or key when missing. False
  // when the file could not be written, or the value is not UTF-8 or has a
  // character that a Windows-1251 file cannot hold (the old file is then
  // untouched), with the reason in `error` when given. Written as WriteFileAtomically writes:
  // through a symlink, keeping the file's mode, never over a read-only file.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value,
                   std::string* error = nullptr);

 private:
  std::string path_;
};

// Reads an integer the way GetPrivateProfileInt does: optional blanks and
// sign, then leading decimal digits; no digits give 0.
int ParseLeadingInt(std::string_view text);

}  // namespace tesmar::link
