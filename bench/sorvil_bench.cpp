// Sorvil's primitives beside libgcrypt's, its seeding time and its export.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <gcrypt.h>

#include <vector>

#include "gost.h"

namespace {

constexpr size_t kBlocks = 1024;

void InitGcrypt() {
  static bool done = [] {
    gcry_check_version(GCRYPT_VERSION);
    gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
    return true;
  }();
  (void)done;
}

void BM_Gost28147_Sorvil(benchmark::State& state) {
  sorvil::SboxTables t;
  sorvil::ExpandTestSboxes(t);
  sorvil::Gost28147 c(t);
  uint8_t key[32] = {1, 2, 3};
  c.SetKey(key);
  std::vector<uint8_t> buf(8 * kBlocks, 7);
  for (auto _ : state) {
    for (size_t i = 0; i < kBlocks; ++i) c.EncryptBlock(&buf[8 * i], &buf[8 * i]);
    benchmark::DoNotOptimize(buf.data());
  }
  state.counters["blocks/s"] =
      benchmark::Counter(double(state.iterations() * kBlocks), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Gost28147_Sorvil);

void BM_Gost28147_Libgcrypt(benchmark::State& state) {
  InitGcrypt();
  gcry_cipher_hd_t h;
  gcry_cipher_open(&h, GCRY_CIPHER_GOST28147, GCRY_CIPHER_MODE_ECB, 0);
  uint8_t key[32] = {1, 2, 3};
  gcry_cipher_setkey(h, key, 32);
  std::vector<uint8_t> buf(8 * kBlocks, 7);
  for (auto _ : state) {
    gcry_cipher_encrypt(h, buf.data(), buf.size(), nullptr, 0);
    benchmark::DoNotOptimize(buf.data());
  }
  gcry_cipher_close(h);
  state.counters["blocks/s"] =
      benchmark::Counter(double(state.iterations() * kBlocks), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Gost28147_Libgcrypt);

void BM_Gost28147_LibgcryptOneBlockPerCall(benchmark::State& state) {
  InitGcrypt();
  gcry_cipher_hd_t h;
  gcry_cipher_open(&h, GCRY_CIPHER_GOST28147, GCRY_CIPHER_MODE_ECB, 0);
  uint8_t key[32] = {1, 2, 3};
  gcry_cipher_setkey(h, key, 32);
  std::vector<uint8_t> buf(8 * kBlocks, 7);
  for (auto _ : state) {
    for (size_t i = 0; i < kBlocks; ++i) gcry_cipher_encrypt(h, &buf[8 * i], 8, nullptr, 0);
    benchmark::DoNotOptimize(buf.data());
  }
  gcry_cipher_close(h);
  state.counters["blocks/s"] =
      benchmark::Counter(double(state.iterations() * kBlocks), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Gost28147_LibgcryptOneBlockPerCall);

void BM_Gostr341194_Sorvil(benchmark::State& state) {
  sorvil::SboxTables t;
  sorvil::ExpandTestSboxes(t);
  std::vector<uint8_t> msg(4096, 0x5A);
  uint8_t out[32];
  for (auto _ : state) {
    sorvil::Gostr341194 h(t);
    h.Update(msg.data(), msg.size());
    h.Final(out);
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(int64_t(state.iterations() * msg.size()));
}
BENCHMARK(BM_Gostr341194_Sorvil);

void BM_Gostr341194_Libgcrypt(benchmark::State& state) {
  InitGcrypt();
  std::vector<uint8_t> msg(4096, 0x5A);
  uint8_t out[32];
  for (auto _ : state) {
    gcry_md_hash_buffer(GCRY_MD_GOSTR3411_94, out, msg.data(), msg.size());
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(int64_t(state.iterations() * msg.size()));
}
BENCHMARK(BM_Gostr341194_Libgcrypt);

// dlopen runs the seeding (machine state, two hashes, key, 1024 bytes).
void BM_LoadAndSeed(benchmark::State& state) {
  for (auto _ : state) {
    void* lib = dlopen(SORVIL_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    benchmark::DoNotOptimize(lib);
    dlclose(lib);
  }
}
BENCHMARK(BM_LoadAndSeed)->Unit(benchmark::kMicrosecond);

void BM_GetRandomBuffer(benchmark::State& state) {
  void* lib = dlopen(SORVIL_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  auto fn = reinterpret_cast<void (*)(void*)>(dlsym(lib, "GetRandomBuffer"));
  unsigned char buf[128];
  for (auto _ : state) {
    fn(buf);
    benchmark::DoNotOptimize(buf);
  }
  state.counters["calls/s"] =
      benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
  dlclose(lib);
}
BENCHMARK(BM_GetRandomBuffer)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
