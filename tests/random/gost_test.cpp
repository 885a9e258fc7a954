#include "random/gost.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/random/gcrypt_oracle.h"

using namespace sorvil;

namespace {

std::string Hex(const uint8_t* p, size_t n) {
  static const char* d = "0123456789abcdef";
  std::string s;
  for (size_t i = 0; i < n; ++i) {
    s += d[p[i] >> 4];
    s += d[p[i] & 15];
  }
  return s;
}

std::string Digest(const std::string& msg, size_t piece = 0) {
  SboxTables t;
  ExpandTestSboxes(t);
  Gostr341194 h(t);
  if (piece == 0) {
    h.Update(msg.data(), msg.size());
  } else {
    for (size_t i = 0; i < msg.size(); i += piece)
      h.Update(msg.data() + i, std::min(piece, msg.size() - i));
  }
  uint8_t out[32];
  h.Final(out);
  return Hex(out, 32);
}

}  // namespace

TEST(Gostr341194, publicTestVectorsOfTheTestParameterSet) {
  EXPECT_EQ(Digest(""), "ce85b99cc46752fffee35cab9a7b0278abb4c2d2055cff685af4912c49490f8d");
  EXPECT_EQ(Digest("This is message, length=32 bytes"),
            "b1c466d37519b82e8319819ff32595e047a28cb6f83eff1c6916a815a637fffa");
  EXPECT_EQ(Digest("Suppose the original message has length = 50 bytes"),
            "471aba57a60a770d3a76130635c1fbea4ef14de51f78b4ae57dd893b62f55208");
}

TEST(Gostr341194, agreesWithLibgcryptForEveryLengthUpTo600) {
  std::mt19937 rng(20261208);
  for (size_t len = 0; len <= 600; ++len) {
    std::string msg(len, '\0');
    for (auto& c : msg) c = static_cast<char>(rng());
    const auto ref = oracle::Hash(msg.data(), msg.size());
    ASSERT_EQ(Digest(msg), Hex(ref.data(), 32)) << "length " << len;
    ASSERT_EQ(Digest(msg, 7), Hex(ref.data(), 32)) << "length " << len << " in pieces";
  }
}

// Blocks of all ones make the 256-bit sum carry through every one of its
// words; a long message fed in odd pieces crosses the buffered and the
// straight paths of Update many times.
TEST(Gostr341194, agreesWithLibgcryptWhereTheSumCarriesAndOnALongMessage) {
  for (size_t blocks = 1; blocks <= 9; ++blocks) {
    const std::string ones(32 * blocks + blocks % 3, '\xff');
    const auto ref = oracle::Hash(ones.data(), ones.size());
    ASSERT_EQ(Digest(ones), Hex(ref.data(), 32)) << blocks << " blocks of ones";
  }
  std::mt19937 rng(7);
  std::string msg(1 << 20, '\0');
  for (auto& c : msg) c = static_cast<char>(rng());
  const auto ref = oracle::Hash(msg.data(), msg.size());
  EXPECT_EQ(Digest(msg), Hex(ref.data(), 32));
  EXPECT_EQ(Digest(msg, 1000), Hex(ref.data(), 32));
  EXPECT_EQ(Digest(msg, 33), Hex(ref.data(), 32));
}

TEST(Gost28147, agreesWithLibgcryptAndDecryptionUndoesEncryption) {
  SboxTables t;
  ExpandTestSboxes(t);
  std::mt19937 rng(42);
  for (int k = 0; k < 200; ++k) {
    uint8_t key[32];
    for (auto& b : key) b = static_cast<uint8_t>(rng());
    Gost28147 ours(t);
    ours.SetKey(key);
    oracle::Cipher ref(key);
    for (int i = 0; i < 20; ++i) {
      uint8_t in[8], a[8], b[8], back[8];
      for (auto& x : in) x = static_cast<uint8_t>(rng());
      ours.EncryptBlock(in, a);
      ref.Encrypt(in, b);
      ASSERT_EQ(Hex(a, 8), Hex(b, 8));
      ours.DecryptBlock(a, back);
      ASSERT_EQ(Hex(back, 8), Hex(in, 8));
    }
  }
}
