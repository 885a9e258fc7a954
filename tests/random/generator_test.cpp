#include "random/generator.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "tests/random/gcrypt_oracle.h"

using namespace sorvil;

namespace {

// The generator written again from its description, on libgcrypt's hash and
// cipher: whitening, key, V, I, bytes per block, the 1024 discarded bytes.
// Each request starts on a fresh block, so `calls` gives the request sizes.
std::vector<uint8_t> Model(const uint8_t seed[64], const uint8_t dt[8], int bytesPerBlock,
                           std::vector<size_t> calls) {
  uint8_t white[64];
  for (int i = 0; i < 64; ++i) white[i] = seed[i] ^ kWhiteningTable[i];
  const auto key = oracle::Hash(white, 64);
  oracle::Cipher cipher(key.data());
  uint8_t v[8] = {}, iv[8];
  for (int i = 0; i < 64; ++i) v[i % 8] ^= white[i];
  for (int i = 0; i < 8; ++i) v[i] ^= kWhiteningValue[i];
  cipher.Encrypt(dt, iv);

  auto step = [&](uint8_t x[8]) {
    uint8_t t[8];
    for (int j = 0; j < 8; ++j) t[j] = iv[j] ^ v[j];
    cipher.Encrypt(t, x);
    for (int j = 0; j < 8; ++j) t[j] = x[j] ^ iv[j];
    cipher.Encrypt(t, v);
  };
  std::vector<uint8_t> out;
  calls.insert(calls.begin(), 1024);
  for (size_t n : calls) {
    std::vector<uint8_t> part;
    while (part.size() < n) {
      uint8_t x[8];
      if (bytesPerBlock > 1) {
        step(x);
        for (int j = 0; j < bytesPerBlock && part.size() < n; ++j) part.push_back(x[j]);
      } else {
        uint8_t byte = 0;
        for (int bit = 0; bit < 8; ++bit) {
          step(x);
          byte |= static_cast<uint8_t>((x[0] & 1) << bit);
        }
        part.push_back(byte);
      }
    }
    out.insert(out.end(), part.begin(), part.end());
  }
  return {out.begin() + 1024, out.end()};
}

}  // namespace

TEST(Generator, blockModeMatchesTheModelForFixedSeeds) {
  std::mt19937 rng(7);
  for (int k = 0; k < 5; ++k) {
    uint8_t seed[64], dt[8];
    for (auto& b : seed) b = static_cast<uint8_t>(rng());
    for (auto& b : dt) b = static_cast<uint8_t>(rng());
    Generator g;
    g.Seed(seed, dt);
    ASSERT_GT(g.BytesPerBlock(), 1);
    std::vector<uint8_t> ours(300);
    g.Generate(ours.data(), 128);
    g.Generate(ours.data() + 128, 172);  // a call boundary mid-block
    EXPECT_EQ(ours, Model(seed, dt, g.BytesPerBlock(), {128, 172}));
  }
}

TEST(Generator, seedWithAllNibblesEqualDrawsBitByBit) {
  uint8_t seed[64], dt[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  std::memset(seed, 0x11, sizeof seed);
  EXPECT_EQ(BytesPerBlockFor(seed), 1);
  Generator g;
  g.Seed(seed, dt);
  ASSERT_EQ(g.BytesPerBlock(), 1);
  std::vector<uint8_t> ours(128);
  g.Generate(ours.data(), ours.size());
  EXPECT_EQ(ours, Model(seed, dt, 1, {128}));
}

TEST(Generator, bytesPerBlockFollowsTheNibbleEntropy) {
  uint8_t seed[64];
  // Every nibble value 8 times: e = 1, 64 / 12 = 5.
  for (int i = 0; i < 64; ++i) seed[i] = static_cast<uint8_t>((i % 16) << 4 | (15 - i % 16));
  EXPECT_EQ(BytesPerBlockFor(seed), 5);
  // Two nibble values, half each: e = 1/4, 16 / 12 = 1.
  for (int i = 0; i < 64; ++i) seed[i] = 0x0F;
  EXPECT_EQ(BytesPerBlockFor(seed), 1);
  // Four values equally: e = 1/2, 32 / 12 = 2.
  for (int i = 0; i < 64; ++i) seed[i] = i % 2 ? 0x01 : 0x23;
  EXPECT_EQ(BytesPerBlockFor(seed), 2);
}

TEST(Generator, wipeLeavesNoKeyAndReseedingWorksAgain) {
  uint8_t seed[64], dt[8] = {};
  for (int i = 0; i < 64; ++i) seed[i] = static_cast<uint8_t>(i * 37);
  Generator g;
  g.Seed(seed, dt);
  std::vector<uint8_t> first(64);
  g.Generate(first.data(), first.size());
  g.Wipe();
  g.Seed(seed, dt);
  std::vector<uint8_t> again(64);
  g.Generate(again.data(), again.size());
  EXPECT_EQ(first, again);
}
