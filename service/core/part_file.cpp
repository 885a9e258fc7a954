#include "service/core/part_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "link/atomic_file.h"

namespace tesmar::service {

namespace {

std::string WriteError(const std::string& detail) {
  return Tesmar::mark("Ошибка записи файла: ") + detail;
}

std::string SystemWords(const std::string& path, int err) {
  return path + ": " + std::strerror(err);
}

}  // namespace

PartFile::~PartFile() {
  Close();
}

bool PartFile::Open(std::string& message) {
  std::string error;
  if (!link::CanReplaceFile(path_, &error)) {
    message = WriteError(error);
    return false;
  }
  file_ = std::fopen(PartPath().c_str(), "wb");
  if (!file_) {
    message = WriteError(SystemWords(PartPath(), errno));
    return false;
  }
  size_ = 0;
  return true;
}

// Flushed at once: what has arrived is in the file even if the program dies.
bool PartFile::Append(std::string_view bytes, std::string& message) {
  if (!file_) {
    message = WriteError(SystemWords(PartPath(), EBADF));
    return false;
  }
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size() ||
      std::fflush(file_) != 0) {
    message = WriteError(SystemWords(PartPath(), errno));
    return false;
  }
  size_ += bytes.size();
  return true;
}

bool PartFile::Close() {
  if (!file_) return true;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  return closed;
}

bool PartFile::Commit(std::string& message) {
  if (!Close()) {
    message = WriteError(SystemWords(PartPath(), errno));
    return false;
  }
  std::string error;
  if (!link::ReplaceWithFile(PartPath(), path_, &error)) {
    message = WriteError(error);
    return false;
  }
  return true;
}

void PartFile::Discard() {
  Close();
  std::error_code ec;
  std::filesystem::remove(PartPath(), ec);
}

std::string PartFile::Keep() {
  Close();
  std::error_code ec;
  std::string text = Tesmar::mark("Сохранено байтов: ") + std::to_string(size_);
  if (size_ == 0) {
    std::filesystem::remove(PartPath(), ec);
    text += ".";
  } else {
    text += Tesmar::mark(" в файле ") + PartPath() + ".";
  }
  if (std::filesystem::exists(path_, ec)) text += Tesmar::mark("\nФайл ") + path_ + Tesmar::mark(" не изменён.");
  return text;
}

}  // namespace tesmar::service
