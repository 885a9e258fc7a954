// mkdtemp for the tests the Windows build shares with the Linux one.
#pragma once

#ifdef __cplusplus
#include <direct.h>
#include <io.h>

#include <cstdlib>
#include <cstring>

inline char* mkdtemp(char* pattern) {
  if (_mktemp_s(pattern, std::strlen(pattern) + 1) != 0) return nullptr;
  return _mkdir(pattern) == 0 ? pattern : nullptr;
}
#endif
