#include "generator.h"

#include <cmath>
#include <cstring>

namespace sorvil {

// Fixed once; they only need to be constant and not all alike.
const uint8_t kWhiteningTable[64] = {
    0x3a, 0x91, 0x5c, 0xe7, 0x08, 0xb4, 0x6f, 0x22, 0xd9, 0x45, 0x13, 0x8e, 0xf0, 0x67, 0xac, 0x31,
    0x7b, 0xc2, 0x19, 0x5e, 0xa3, 0x04, 0xdd, 0x96, 0x2f, 0x70, 0xbb, 0x48, 0xe1, 0x0c, 0x83, 0x5a,
    0xc6, 0x1f, 0x74, 0xab, 0x30, 0xed, 0x52, 0x89, 0x06, 0xfa, 0x3d, 0x64, 0x9f, 0x27, 0xb8, 0x41,
    0x15, 0xde, 0x6a, 0x93, 0x2c, 0xf5, 0x4e, 0x87, 0xb0, 0x39, 0xc4, 0x7d, 0x02, 0xa9, 0x56, 0xef};
const uint8_t kWhiteningValue[8] = {0x5d, 0x0e, 0xa7, 0x34, 0xc9, 0x72, 0x1b, 0xf8};

namespace {
constexpr int kDiscardedBytes = 1024;
}

int BytesPerBlockFor(const uint8_t seed[64]) {
  int counts[16] = {};
  for (int i = 0; i < 64; ++i) {
    ++counts[seed[i] & 15];
    ++counts[seed[i] >> 4];
  }
  double sum = 0;
  for (int c : counts)
    if (c > 0) {
      const double p = c / 128.0;
      sum += p * std::log2(p);
    }
  const double e = -sum / 4;
  const int bytes = static_cast<int>(std::floor(64 * e)) / 12;
  return bytes == 0 ? 1 : bytes;
}

Generator::Generator() : tables_(), cipher_(tables_) {
  ExpandTestSboxes(tables_);
}

void Generator::Seed(const uint8_t seed[64], const uint8_t dt[8]) {
  ExpandTestSboxes(tables_);  // a wiped generator may be seeded again
  uint8_t whitened[64];
  for (int i = 0; i < 64; ++i) whitened[i] = seed[i] ^ kWhiteningTable[i];

  uint8_t key[32];
  Gostr341194 hash(tables_);
  hash.Update(whitened, sizeof whitened);
  hash.Final(key);
  cipher_.SetKey(key);

  std::memset(v_, 0, sizeof v_);
  for (int i = 0; i < 64; ++i) v_[i % 8] ^= whitened[i];
  for (int i = 0; i < 8; ++i) v_[i] ^= kWhiteningValue[i];

  std::memcpy(dt_, dt, sizeof dt_);
  cipher_.EncryptBlock(dt_, i_);
  bytesPerBlock_ = BytesPerBlockFor(seed);

  uint8_t discard[kDiscardedBytes];
  Generate(discard, sizeof discard);
  volatile uint8_t* w = whitened;
  for (size_t i = 0; i < sizeof whitened; ++i) w[i] = 0;
  std::memset(key, 0, sizeof key);
}

// X := E(I ^ V); V := E(X ^ I).
void Generator::Step(uint8_t x[8]) {
  uint8_t t[8];
  for (int j = 0; j < 8; ++j) t[j] = i_[j] ^ v_[j];
  cipher_.EncryptBlock(t, x);
  for (int j = 0; j < 8; ++j) t[j] = x[j] ^ i_[j];
  cipher_.EncryptBlock(t, v_);
}

void Generator::Generate(uint8_t* out, size_t n) {
  uint8_t x[8];
  if (bytesPerBlock_ > 1) {
    for (size_t done = 0; done < n;) {
      Step(x);
      for (int j = 0; j < bytesPerBlock_ && done < n; ++j) out[done++] = x[j];
    }
    return;
  }
  for (size_t done = 0; done < n; ++done) {
    uint8_t byte = 0;
    for (int bit = 0; bit < 8; ++bit) {
      Step(x);
      byte |= static_cast<uint8_t>((x[0] & 1) << bit);
    }
    out[done] = byte;
  }
}

void Generator::Wipe() {
  cipher_.Wipe();
  volatile uint8_t* p = reinterpret_cast<volatile uint8_t*>(&tables_);
  for (size_t i = 0; i < sizeof tables_; ++i) p[i] = 0;
  uint8_t* areas[] = {v_, i_, dt_};
  for (uint8_t* a : areas) {
    volatile uint8_t* q = a;
    for (int i = 0; i < 8; ++i) q[i] = 0;
  }
}

}  // namespace sorvil
