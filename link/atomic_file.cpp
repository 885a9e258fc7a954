#include "link/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tesmar::link {

namespace {

constexpr int kMaxLinks = 40;  // as the kernel's own limit for a path

bool Fail(std::string* error, const std::string& path, int err) {
  if (error) *error = path + ": " + std::strerror(err);
  return false;
}

std::string Folder(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t n = ::write(fd, contents.data(), contents.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    contents.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// Makes sure the rename itself reaches the disk.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  ::close(fd);
}

struct Ownership {
  mode_t mode = 0;
  bool existed = false;
  uid_t uid = 0;
  gid_t gid = 0;
};

// What the new file gets: the permission bits and owner of the file it
// replaces, or what a freshly created file would get under the umask. False
// (with the reason) when the existing file must not be replaced.
bool OwnershipFor(const std::string& target, Ownership& o, std::string* error) {
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) {
    if (errno != ENOENT) return Fail(error, target, errno);
    const mode_t mask = umask(0);
    umask(mask);
    o.mode = 0666 & ~mask;
    return true;
  }
  if (!S_ISREG(st.st_mode)) return Fail(error, target, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
  // Read-only for everyone is read-only for root too.
  if ((st.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0)
    return Fail(error, target, EACCES);
  o = {static_cast<mode_t>(st.st_mode & 07777), true, st.st_uid, st.st_gid};
  return true;
}

bool FillTemporary(int fd, const Ownership& o, std::string_view contents, bool toDisk) {
  // Only root may give a file away; for anyone else the owner stays as it is.
  if (o.existed && fchown(fd, o.uid, o.gid) != 0 && errno != EPERM) return false;
  return fchmod(fd, o.mode) == 0 && WriteAll(fd, contents) && (!toDisk || fsync(fd) == 0);
}

}  // namespace

bool ResolveWriteTarget(const std::string& path, std::string& target, std::string* error) {
  target = path;
  for (int i = 0; i < kMaxLinks; ++i) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0) {
      if (errno == ENOENT) return true;  // a new file, or a link to one yet to be made
      return Fail(error, target, errno);
    }
    if (!S_ISLNK(st.st_mode)) return true;
    char buf[4096];
    const ssize_t n = ::readlink(target.c_str(), buf, sizeof buf - 1);
    if (n < 0) return Fail(error, target, errno);
    const std::string next(buf, static_cast<size_t>(n));
    target = next.front() == '/' ? next : Folder(target) + "/" + next;
  }
  return Fail(error, path, ELOOP);
}

bool CanReplaceFile(const std::string& path, std::string* error) {
  std::string target;
  Ownership ownership;
  if (!ResolveWriteTarget(path, target, error) || !OwnershipFor(target, ownership, error))
    return false;
  // A new file needs a folder that takes it.
  if (!ownership.existed && access(Folder(target).c_str(), W_OK | X_OK) != 0)
    return Fail(error, target, errno);
  return true;
}

bool ReplaceWithFile(const std::string& ready, const std::string& path, std::string* error) {
  std::string target;
  if (!ResolveWriteTarget(path, target, error)) return false;
  Ownership ownership;
  if (!OwnershipFor(target, ownership, error)) return false;
  const int fd = ::open(ready.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return Fail(error, ready, errno);
  const bool prepared = FillTemporary(fd, ownership, {}, true);
  const int prepareError = errno;
  if (::close(fd) != 0 || !prepared) return Fail(error, ready, prepared ? EIO : prepareError);
  if (std::rename(ready.c_str(), target.c_str()) != 0) return Fail(error, target, errno);
  SyncFolder(Folder(target));
  return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view contents, std::string* error,
                         Durability durability) {
  const bool toDisk = durability == Durability::kDisk;
  std::string target;
  if (!ResolveWriteTarget(path, target, error)) return false;
  Ownership ownership;
  if (!OwnershipFor(target, ownership, error)) return false;

  std::string tmp = target + ".XXXXXX";
  const int fd = mkostemp(tmp.data(), O_CLOEXEC);
  if (fd < 0) return Fail(error, target, errno);
  const bool written = FillTemporary(fd, ownership, contents, toDisk);
  const int writeError = errno;
  if (::close(fd) != 0 || !written) {
    ::unlink(tmp.c_str());
    return Fail(error, target, written ? EIO : writeError);
  }
  if (std::rename(tmp.c_str(), target.c_str()) != 0) {
    const int renameError = errno;
    ::unlink(tmp.c_str());
    return Fail(error, target, renameError);
  }
  if (toDisk) SyncFolder(Folder(target));
  return true;
}

}  // namespace tesmar::link
