// GOST 28147-89 (simple substitution) and GOST R 34.11-94 with the test
// parameter S-boxes, as Sorvil needs them. Little-endian words throughout:
// a key is eight 32-bit words read from its bytes, a block's bytes 0..3 are
// its first half.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sorvil {

// The four 256-entry tables, each combining two 4-bit S-boxes with the
// 11-bit rotation of the round function folded in.
struct SboxTables {
  uint32_t t[4][256];
};
void ExpandTestSboxes(SboxTables& tables);

class Gost28147 {
 public:
  explicit Gost28147(const SboxTables& tables) : sbox_(tables) {}
  void SetKey(const uint8_t key[32]);
  void SetKeyWords(const uint32_t key[8]);
  void EncryptWords(uint32_t n1, uint32_t n2, uint32_t& o1, uint32_t& o2) const;
  void EncryptBlock(const uint8_t in[8], uint8_t out[8]) const;
  void DecryptBlock(const uint8_t in[8], uint8_t out[8]) const;
  void Wipe();

 private:
  const SboxTables& sbox_;
  uint32_t key_[8] = {};
};

class Gostr341194 {
 public:
  explicit Gostr341194(const SboxTables& tables);
  void Update(const void* data, size_t n);
  void Final(uint8_t digest[32]);
  void Wipe();

 private:
  void Step(const uint64_t m[4]);
  void Block(const uint8_t block[32]);

  const SboxTables& sbox_;
  uint64_t h_[4] = {};  // the 256-bit values as 64-bit words, lowest first
  uint64_t sigma_[4] = {};
  uint64_t bits_ = 0;
  uint8_t buf_[32] = {};
  size_t have_ = 0;
};

}  // namespace sorvil
