// The shipped libsorvil.so as a caller sees it: loaded with dlopen.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstring>

namespace {

using Block = std::array<unsigned char, 128>;
using GetRandomBufferFn = void (*)(void*);

Block DrawFromFreshLoad() {
  void* lib = dlopen(SORVIL_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  if (!lib) throw std::runtime_error(dlerror());
  auto fn = reinterpret_cast<GetRandomBufferFn>(dlsym(lib, "GetRandomBuffer"));
  Block b{};
  fn(b.data());
  dlclose(lib);
  return b;
}

}  // namespace

TEST(SorvilLibrary, writesExactly128BytesAndTwoCallsDiffer) {
  void* lib = dlopen(SORVIL_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(lib, nullptr) << dlerror();
  auto fn = reinterpret_cast<GetRandomBufferFn>(dlsym(lib, "GetRandomBuffer"));
  ASSERT_NE(fn, nullptr);
  EXPECT_EQ(dlsym(lib, "_ZN6sorvil9Generator8GenerateEPhm"), nullptr);  // internals hidden

  unsigned char guard[130];
  std::memset(guard, 0xA5, sizeof guard);
  fn(guard);
  EXPECT_EQ(guard[128], 0xA5);
  EXPECT_EQ(guard[129], 0xA5);
  Block a, b;
  fn(a.data());
  fn(b.data());
  EXPECT_NE(a, b);
  dlclose(lib);
}

TEST(SorvilLibrary, eachLoadSeedsAfresh) {
  const Block first = DrawFromFreshLoad();
  const Block second = DrawFromFreshLoad();
  EXPECT_NE(first, second);
}

TEST(SorvilLibrary, twoProcessesGetDifferentBlocks) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  const pid_t child = fork();
  if (child == 0) {
    const Block b = DrawFromFreshLoad();
    (void)!write(fds[1], b.data(), b.size());
    _exit(0);
  }
  const Block mine = DrawFromFreshLoad();
  Block theirs{};
  ASSERT_EQ(read(fds[0], theirs.data(), theirs.size()), 128);
  waitpid(child, nullptr, 0);
  close(fds[0]);
  close(fds[1]);
  EXPECT_NE(mine, theirs);
}
