// The library's one state, its seeding at load and wipe at unload, and the
// export.
#include "sorvil.h"

#include <cstring>
#include <new>

#include "generator.h"
#include "machine_state.h"

namespace sorvil {
namespace {

// The library's one state, built in place at load so that no C++ runtime
// support (guarded statics) is needed.
alignas(Generator) unsigned char storage[sizeof(Generator)];
Generator* generator = nullptr;

Generator& State() {
  return *generator;
}

__attribute__((constructor)) void SeedAtLoad() {
  generator = new (storage) Generator();
  SboxTables tables;
  ExpandTestSboxes(tables);
  Gostr341194 a(tables), b(tables);
  HashMachineState(a);
  HashToolHelpState(a, b);
  uint8_t seed[64];
  a.Final(seed);
  HashVolatileState(b);
  b.Final(seed + 32);
  uint8_t dt[8];
  CurrentTimeValue(dt);
  State().Seed(seed, dt);
  volatile uint8_t* s = seed;
  for (size_t i = 0; i < sizeof seed; ++i) s[i] = 0;
}

__attribute__((destructor)) void WipeAtUnload() {
  State().Wipe();
}

}  // namespace
}  // namespace sorvil

// The one export: by the version script on Linux, by sorvil.def on Windows.
#ifdef _WIN32
#define SORVIL_EXPORT
#else
#define SORVIL_EXPORT __attribute__((visibility("default")))
#endif

extern "C" SORVIL_EXPORT void GetRandomBuffer(void* buffer) {
  unsigned char local[128];
  sorvil::State().Generate(local, sizeof local);
  std::memcpy(buffer, local, sizeof local);
  std::memset(local, 0, sizeof local);
}
