# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads).
# The tests run through Wine (cmake/TesmarWine.cmake).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TESMAR_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TESMAR_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESMAR_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TESMAR_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${TESMAR_MINGW_PREFIX}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${TESMAR_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs carry the compiler's runtime, so they need no DLL beside them
# but the system's.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
