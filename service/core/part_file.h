// The file a read-out lands in: its bytes are written to NAME.part as they
// arrive, and NAME is given to it only when the read is whole. A read that
// ends early leaves NAME as it was (an older dump stays the older dump) and
// its bytes in NAME.part, which the message names.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace tesmar::service {

class PartFile {
 public:
  explicit PartFile(std::string path) : path_(std::move(path)) {}
  ~PartFile();
  PartFile(const PartFile&) = delete;
  PartFile& operator=(const PartFile&) = delete;

  // Checks that NAME may be written and creates NAME.part, before anything
  // is asked of the registrar. False with the message to show.
  bool Open(std::string& message);
  // False with the message to show when the bytes could not be written.
  bool Append(std::string_view bytes, std::string& message);
  // Renames NAME.part to NAME. False with the message to show (the bytes
  // then stay in NAME.part).
  bool Commit(std::string& message);
  // Closes NAME.part and says what it holds: "Сохранено байтов: N в файле
  // NAME.part." (an empty one is removed), and that NAME was not changed
  // when there is one.
  std::string Keep();
  // Closes and removes NAME.part: for a read that ended before any data was
  // asked for (there is nothing to keep or to say).
  void Discard();

  const std::string& Path() const { return path_; }
  std::string PartPath() const { return path_ + ".part"; }
  uint64_t Size() const { return size_; }

 private:
  bool Close();

  std::string path_;
  std::FILE* file_ = nullptr;
  uint64_t size_ = 0;
};

}  // namespace tesmar::service
