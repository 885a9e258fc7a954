// The two POSIX C library calls the portable code uses that the Windows C
// library names differently. The Windows build includes this header first in
// every C++ file.
#pragma once

#ifdef __cplusplus
#include <cstdio>
#include <ctime>

inline std::tm* localtime_r(const std::time_t* time, std::tm* tm) {
  return localtime_s(tm, time) == 0 ? tm : nullptr;
}

inline int getc_unlocked(std::FILE* f) {
  return _getc_nolock(f);
}
#endif
