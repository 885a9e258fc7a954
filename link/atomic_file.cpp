#include "atomic_file.h"

#include <unistd.h>

#include <cstdio>

namespace tesmar::link {

bool WriteFileAtomically(const std::string& path, std::string_view contents) {
  const std::string tmp = path + ".tmp";
  std::FILE* f = std::fopen(tmp.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(contents.data(), 1, contents.size(), f) == contents.size() &&
                       std::fflush(f) == 0 && fsync(fileno(f)) == 0;
  if (std::fclose(f) != 0 || !written || std::rename(tmp.c_str(), path.c_str()) != 0) {
    std::remove(tmp.c_str());
    return false;
  }
  return true;
}

}  // namespace tesmar::link
