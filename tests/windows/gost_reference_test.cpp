// GOST R 34.11-94 and GOST 28147-89 as built for Windows, against the public
// vectors of the test parameter set and against values libgcrypt gives for
// the same inputs (libgcrypt has no Windows build here to ask directly).
#include <gtest/gtest.h>

#include <string>

#include "random/gost.h"

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

std::string Digest(const void* data, size_t n) {
  SboxTables t;
  ExpandTestSboxes(t);
  Gostr341194 h(t);
  h.Update(data, n);
  uint8_t out[32];
  h.Final(out);
  return Hex(out, 32);
}

std::string Digest(const std::string& msg) {
  return Digest(msg.data(), msg.size());
}

}  // namespace

TEST(GostOnWindows, hashGivesThePublicVectorsOfTheTestParameterSet) {
  EXPECT_EQ(Digest(""), "ce85b99cc46752fffee35cab9a7b0278abb4c2d2055cff685af4912c49490f8d");
  EXPECT_EQ(Digest("This is message, length=32 bytes"),
            "b1c466d37519b82e8319819ff32595e047a28cb6f83eff1c6916a815a637fffa");
  EXPECT_EQ(Digest("Suppose the original message has length = 50 bytes"),
            "471aba57a60a770d3a76130635c1fbea4ef14de51f78b4ae57dd893b62f55208");
}

// Lengths about the 32-byte block edges and a long odd one; the message is
// byte i = 7i + 3.
TEST(GostOnWindows, hashAgreesWithLibgcryptAcrossBlockEdges) {
  uint8_t msg[600];
  for (int i = 0; i < 600; ++i) msg[i] = static_cast<uint8_t>(i * 7 + 3);
  const std::pair<size_t, const char*> expected[] = {
      {1, "08bff65fead7b35f85da5de88509124921df0acb26f32b0c9eab966436d2780e"},
      {31, "a1560bede0c43379eb881b25d2f653871b73cbef021c3c884c1218f8cddf5f61"},
      {32, "1ed2cea47a3d011ae7caf0b4775a8bab3bbcebb502f3b82fe25f65ebc1c19e90"},
      {33, "99e401b13ad01260a8cf160546d2243008013f73b7185e987729145f227ec000"},
      {64, "89d6a3abb22ee423fd742cadec06130933693dd0ff908fa0f46761622d5c3798"},
      {100, "d4026116522e5187d5d785a136f27f070c01a2b783f8db461c1f6768da6a2db5"},
      {599, "c5337770b5b331b004e86281340c46cf528610016f6d3d7cc9a6349f06f3cdd9"},
  };
  for (const auto& [length, digest] : expected) EXPECT_EQ(Digest(msg, length), digest) << length;
}

// Key byte i = 13i + 1.
TEST(GostOnWindows, cipherAgreesWithLibgcryptAndDecryptionUndoesIt) {
  SboxTables t;
  ExpandTestSboxes(t);
  uint8_t key[32];
  for (int i = 0; i < 32; ++i) key[i] = static_cast<uint8_t>(i * 13 + 1);
  Gost28147 cipher(t);
  cipher.SetKey(key);
  const uint8_t first[8] = {0, 1, 2, 3, 4, 5, 6, 7};
  const uint8_t second[8] = {0xff, 0xee, 0xdd, 0xcc, 0xbb, 0xaa, 0x99, 0x88};
  uint8_t out[8], back[8];
  cipher.EncryptBlock(first, out);
  EXPECT_EQ(Hex(out, 8), "9cc9c142f187b129");
  cipher.DecryptBlock(out, back);
  EXPECT_EQ(Hex(back, 8), Hex(first, 8));
  cipher.EncryptBlock(second, out);
  EXPECT_EQ(Hex(out, 8), "bd840260ae5b2b31");
}
