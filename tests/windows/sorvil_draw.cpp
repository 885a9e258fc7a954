// Loads sorvil.dll (the path in argv[1]), draws one buffer and prints it in
// hexadecimal: the second process of the library test.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 2) return 64;
  HMODULE lib = LoadLibraryA(argv[1]);
  if (!lib) return 1;
  auto draw = reinterpret_cast<void (*)(void*)>(
      reinterpret_cast<void*>(GetProcAddress(lib, "GetRandomBuffer")));
  if (!draw) return 2;
  unsigned char b[128];
  draw(b);
  for (unsigned char c : b) std::printf("%02x", c);
  std::printf("\n");
  FreeLibrary(lib);
  return 0;
}
