// Sorvil's primitives beside libgcrypt's, its seeding time and its export.
// Ends with Sorvil's speed over libgcrypt's for the cipher and the hash,
// from the same run (the median of the repetitions when there are some).
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <gcrypt.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "random/gost.h"

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

// The console report, keeping each benchmark's rate for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median") continue;
      for (const char* counter : {"blocks/s", "bytes_per_second"})
        if (const auto it = r.counters.find(counter); it != r.counters.end())
          rates[r.run_name.function_name] = it->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatio(const char* what, const std::string& ours, const std::string& theirs, double unit,
                  const char* unitName, double target) const {
    const auto a = rates.find(ours), b = rates.find(theirs);
    if (a == rates.end() || b == rates.end() || b->second <= 0) return;
    std::printf("%s: Sorvil %.2f, libgcrypt %.2f %s; Sorvil / libgcrypt = %.2f (target %.2f)\n",
                what, a->second / unit, b->second / unit, unitName, a->second / b->second, target);
  }
  std::map<std::string, double> rates;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("GOST 28147-89", "BM_Gost28147_Sorvil", "BM_Gost28147_Libgcrypt", 1e6,
                      "million blocks/s", 1.1);
  reporter.PrintRatio("GOST R 34.11-94", "BM_Gostr341194_Sorvil", "BM_Gostr341194_Libgcrypt",
                      1 << 20, "MiB/s", 1.0);
  benchmark::Shutdown();
  return 0;
}
