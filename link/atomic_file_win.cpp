// Writing a file whole on Windows: a temporary file beside it, flushed, then
// moved over the old one with MoveFileEx (replace, write through).
#include <windows.h>

#include <string>

#include "link/atomic_file.h"
#include "link/system_error_win.h"

namespace tesmar::link {

namespace {

bool Fail(std::string* error, const std::string& path, DWORD code) {
  if (error) *error = path + ": " + SystemErrorText(code);
  return false;
}

// A folder, or a file marked read-only, is not replaced.
bool MayReplace(const std::string& target, std::string* error) {
  const DWORD attributes = GetFileAttributesA(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD code = GetLastError();
    return code == ERROR_FILE_NOT_FOUND || Fail(error, target, code);  // new file, or no folder
  }
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return Fail(error, target, ERROR_DIRECTORY);
  if (attributes & FILE_ATTRIBUTE_READONLY) return Fail(error, target, ERROR_ACCESS_DENIED);
  return true;
}

// A fresh temporary file beside `target`; INVALID_HANDLE_VALUE when none
// could be made.
HANDLE CreateTemporary(const std::string& target, std::string& tmp) {
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    tmp = target + "." + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(GetTickCount() + ++counter) + ".tmp";
    HANDLE h = CreateFileA(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return h;
  }
  return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE h, std::string_view contents, bool toDisk) {
  while (!contents.empty()) {
    DWORD n = 0;
    const DWORD chunk = contents.size() > 1u << 20 ? 1u << 20 : static_cast<DWORD>(contents.size());
    if (!WriteFile(h, contents.data(), chunk, &n, nullptr) || n == 0) return false;
    contents.remove_prefix(n);
  }
  return !toDisk || FlushFileBuffers(h) != 0;
}

}  // namespace

bool ResolveWriteTarget(const std::string& path, std::string& target, std::string*) {
  target = path;  // the file itself: its own name is where the write lands
  return true;
}

bool CanReplaceFile(const std::string& path, std::string* error) {
  return MayReplace(path, error);
}

bool ReplaceWithFile(const std::string& ready, const std::string& path, std::string* error) {
  if (!MayReplace(path, error)) return false;
  HANDLE h = CreateFileA(ready.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return Fail(error, ready, GetLastError());
  const bool flushed = FlushFileBuffers(h) != 0;
  const DWORD flushError = GetLastError();
  CloseHandle(h);
  if (!flushed) return Fail(error, ready, flushError);
  if (!MoveFileExA(ready.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return Fail(error, path, GetLastError());
  return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view contents, std::string* error,
                         Durability durability) {
  const bool toDisk = durability == Durability::kDisk;
  if (!MayReplace(path, error)) return false;
  std::string tmp;
  HANDLE h = CreateTemporary(path, tmp);
  if (h == INVALID_HANDLE_VALUE) return Fail(error, path, GetLastError());
  const bool written = WriteAll(h, contents, toDisk);
  const DWORD writeError = GetLastError();
  CloseHandle(h);
  if (!written) {
    DeleteFileA(tmp.c_str());
    return Fail(error, path, writeError);
  }
  const DWORD flags = MOVEFILE_REPLACE_EXISTING | (toDisk ? MOVEFILE_WRITE_THROUGH : 0);
  if (!MoveFileExA(tmp.c_str(), path.c_str(), flags)) {
    const DWORD moveError = GetLastError();
    DeleteFileA(tmp.c_str());
    return Fail(error, path, moveError);
  }
  return true;
}

}  // namespace tesmar::link
