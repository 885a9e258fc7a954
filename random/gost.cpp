#include "gost.h"

#include <cstring>

namespace sorvil {

namespace {

// id-GostR3411-94-TestParamSet: K1 (lowest nibble) to K8.
constexpr uint8_t kTestSboxes[8][16] = {
    {4, 10, 9, 2, 13, 8, 0, 14, 6, 11, 1, 12, 7, 15, 5, 3},
    {14, 11, 4, 12, 6, 13, 15, 10, 2, 3, 8, 1, 0, 7, 5, 9},
    {5, 8, 1, 13, 10, 3, 4, 2, 14, 15, 12, 7, 6, 0, 9, 11},
    {7, 13, 10, 1, 0, 8, 9, 15, 14, 4, 6, 12, 11, 2, 5, 3},
    {6, 12, 7, 1, 5, 15, 13, 8, 4, 10, 9, 14, 0, 3, 11, 2},
    {4, 11, 10, 0, 7, 2, 1, 13, 3, 6, 8, 5, 9, 12, 15, 14},
    {13, 11, 4, 1, 3, 15, 5, 9, 0, 10, 14, 7, 6, 8, 2, 12},
    {1, 15, 13, 0, 5, 7, 10, 4, 9, 2, 3, 14, 6, 11, 8, 12},
};

inline uint32_t Rotl(uint32_t x, int n) {
  return (x << n) | (x >> (32 - n));
}
inline uint32_t Le32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline void PutLe32(uint8_t* p, uint32_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
  p[2] = uint8_t(v >> 16);
  p[3] = uint8_t(v >> 24);
}

// A(Y): (y1 ^ y2) || y4 || y3 || y2 over 64-bit words, y1 lowest.
void TransformA(uint32_t u[8]) {
  const uint32_t t0 = u[0] ^ u[2], t1 = u[1] ^ u[3];
  std::memmove(u, u + 2, 6 * sizeof(uint32_t));
  u[6] = t0;
  u[7] = t1;
}

// The constant C3 that is added to U before the third key.
void ApplyC3(uint32_t u[8]) {
  static constexpr uint32_t c[8] = {0xff00ff00, 0xff00ff00, 0x00ff00ff, 0x00ff00ff,
                                    0x00ffff00, 0xff0000ff, 0x000000ff, 0xff00ffff};
  for (int i = 0; i < 8; ++i) u[i] ^= c[i];
}

// P(Y): output byte 8i + k (1-based) comes from input byte i + 1 + 4(k - 1);
// in words, byte i of output word k is byte k % 4 of input word 2i + k / 4.
void TransformP(const uint32_t w[8], uint32_t k[8]) {
  for (int word = 0; word < 8; ++word) {
    const int shift = 8 * (word % 4);
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= ((w[2 * i + word / 4] >> shift) & 0xFF) << (8 * i);
    k[word] = v;
  }
}

// psi applied n times over 16-bit words: each step appends
// y1 ^ y2 ^ y3 ^ y4 ^ y13 ^ y16 as the new top word and drops y1. Run as a
// shift register over one array, so no word is moved.
void PsiN(uint16_t y[16], int n) {
  uint16_t w[16 + 61];
  std::memcpy(w, y, 16 * sizeof(uint16_t));
  for (int k = 0; k < n; ++k)
    w[16 + k] = w[k] ^ w[k + 1] ^ w[k + 2] ^ w[k + 3] ^ w[k + 12] ^ w[k + 15];
  std::memcpy(y, w + n, 16 * sizeof(uint16_t));
}

void ToWords16(const uint32_t w[8], uint16_t y[16]) {
  for (int i = 0; i < 8; ++i) {
    y[2 * i] = uint16_t(w[i]);
    y[2 * i + 1] = uint16_t(w[i] >> 16);
  }
}
void FromWords16(const uint16_t y[16], uint32_t w[8]) {
  for (int i = 0; i < 8; ++i) w[i] = uint32_t(y[2 * i]) | uint32_t(y[2 * i + 1]) << 16;
}

}  // namespace

void ExpandTestSboxes(SboxTables& tables) {
  for (int t = 0; t < 4; ++t)
    for (int b = 0; b < 256; ++b) {
      const uint32_t v = uint32_t(kTestSboxes[2 * t + 1][b >> 4]) << 4 | kTestSboxes[2 * t][b & 15];
      tables.t[t][b] = Rotl(v << (8 * t), 11);
    }
}

// --- GOST 28147-89 ---------------------------------------------------------------

void Gost28147::SetKey(const uint8_t key[32]) {
  for (int i = 0; i < 8; ++i) key_[i] = Le32(key + 4 * i);
}

void Gost28147::SetKeyWords(const uint32_t key[8]) {
  std::memcpy(key_, key, sizeof key_);
}

namespace {

// The key word of each of the 32 rounds: K0..K7 three times, then K7..K0;
// decryption runs them backwards.
constexpr int kEncryptOrder[32] = {0, 1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4, 5, 6, 7,
                                   0, 1, 2, 3, 4, 5, 6, 7, 7, 6, 5, 4, 3, 2, 1, 0};
constexpr int kDecryptOrder[32] = {0, 1, 2, 3, 4, 5, 6, 7, 7, 6, 5, 4, 3, 2, 1, 0,
                                   7, 6, 5, 4, 3, 2, 1, 0, 7, 6, 5, 4, 3, 2, 1, 0};

// The round function after the key addition: the S-boxes and the rotation,
// by four table look-ups.
inline uint32_t Substitute(const SboxTables& s, uint32_t x) {
  return s.t[0][x & 0xff] ^ s.t[1][(x >> 8) & 0xff] ^ s.t[2][(x >> 16) & 0xff] ^ s.t[3][x >> 24];
}

// The 32 rounds over N blocks at once, block j under key `keys[j]`. One
// block's rounds form a chain, each waiting for the one before; N
// independent chains interleaved keep the processor busy while each waits
// for its table look-ups. On return n2 holds the first output word, n1 the
// second.
template <int N>
inline void Rounds(const SboxTables& s, const uint32_t* const keys[N], const int (&order)[32],
                   uint32_t (&n1)[N], uint32_t (&n2)[N]) {
#pragma GCC unroll 16
  for (int r = 0; r < 32; r += 2) {
    for (int j = 0; j < N; ++j) n2[j] ^= Substitute(s, n1[j] + keys[j][order[r]]);
    for (int j = 0; j < N; ++j) n1[j] ^= Substitute(s, n2[j] + keys[j][order[r + 1]]);
  }
}

}  // namespace

void Gost28147::EncryptWords(uint32_t n1, uint32_t n2, uint32_t& o1, uint32_t& o2) const {
  const uint32_t* keys[1] = {key_};
  uint32_t a[1] = {n1}, b[1] = {n2};
  Rounds<1>(sbox_, keys, kEncryptOrder, a, b);
  o1 = b[0];
  o2 = a[0];
}

void Gost28147::EncryptBlock(const uint8_t in[8], uint8_t out[8]) const {
  uint32_t o1, o2;
  EncryptWords(Le32(in), Le32(in + 4), o1, o2);
  PutLe32(out, o1);
  PutLe32(out + 4, o2);
}

void Gost28147::DecryptBlock(const uint8_t in[8], uint8_t out[8]) const {
  const uint32_t* keys[1] = {key_};
  uint32_t a[1] = {Le32(in)}, b[1] = {Le32(in + 4)};
  Rounds<1>(sbox_, keys, kDecryptOrder, a, b);
  PutLe32(out, b[0]);
  PutLe32(out + 4, a[0]);
}

void Gost28147::Wipe() {
  volatile uint32_t* k = key_;
  for (int i = 0; i < 8; ++i) k[i] = 0;
}

// --- GOST R 34.11-94 --------------------------------------------------------------

Gostr341194::Gostr341194(const SboxTables& tables) : sbox_(tables) {}

void Gostr341194::Step(const uint32_t m[8]) {
  // The four keys first, then the four encryptions of H's 64-bit words side
  // by side.
  uint32_t u[8], v[8], w[8], k[4][8], s[8];
  std::memcpy(u, h_, sizeof u);
  std::memcpy(v, m, sizeof v);
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 8; ++j) w[j] = u[j] ^ v[j];
    TransformP(w, k[i]);
    TransformA(u);
    if (i == 1) ApplyC3(u);
    TransformA(v);
    TransformA(v);
  }
  const uint32_t* keys[4] = {k[0], k[1], k[2], k[3]};
  uint32_t n1[4] = {h_[0], h_[2], h_[4], h_[6]}, n2[4] = {h_[1], h_[3], h_[5], h_[7]};
  Rounds<4>(sbox_, keys, kEncryptOrder, n1, n2);
  for (int i = 0; i < 4; ++i) {
    s[2 * i] = n2[i];
    s[2 * i + 1] = n1[i];
  }
  volatile uint32_t* wipe = &k[0][0];
  for (int i = 0; i < 32; ++i) wipe[i] = 0;

  // H' = psi^61(H ^ psi(M ^ psi^12(S)))
  uint16_t y[16];
  ToWords16(s, y);
  PsiN(y, 12);
  uint32_t t[8];
  FromWords16(y, t);
  for (int j = 0; j < 8; ++j) t[j] ^= m[j];
  ToWords16(t, y);
  PsiN(y, 1);
  FromWords16(y, t);
  for (int j = 0; j < 8; ++j) t[j] ^= h_[j];
  ToWords16(t, y);
  PsiN(y, 61);
  FromWords16(y, h_);
}

void Gostr341194::Block(const uint8_t block[32]) {
  uint32_t m[8];
  for (int i = 0; i < 8; ++i) m[i] = Le32(block + 4 * i);
  Step(m);
  uint64_t carry = 0;  // sigma += M mod 2^256
  for (int i = 0; i < 8; ++i) {
    carry += uint64_t(sigma_[i]) + m[i];
    sigma_[i] = uint32_t(carry);
    carry >>= 32;
  }
}

void Gostr341194::Update(const void* data, size_t n) {
  const auto* p = static_cast<const uint8_t*>(data);
  while (n > 0) {
    const size_t take = n < 32 - have_ ? n : 32 - have_;
    std::memcpy(buf_ + have_, p, take);
    have_ += take;
    p += take;
    n -= take;
    if (have_ == 32) {
      Block(buf_);
      bits_ += 256;
      have_ = 0;
    }
  }
}

void Gostr341194::Final(uint8_t digest[32]) {
  if (have_ > 0) {
    std::memset(buf_ + have_, 0, 32 - have_);
    Block(buf_);
    bits_ += 8 * have_;
    have_ = 0;
  }
  uint32_t length[8] = {uint32_t(bits_), uint32_t(bits_ >> 32), 0, 0, 0, 0, 0, 0};
  Step(length);
  Step(sigma_);
  for (int i = 0; i < 8; ++i) PutLe32(digest + 4 * i, h_[i]);
  Wipe();
}

void Gostr341194::Wipe() {
  volatile uint8_t* p = reinterpret_cast<volatile uint8_t*>(h_);
  for (size_t i = 0; i < sizeof h_; ++i) p[i] = 0;
  std::memset(sigma_, 0, sizeof sigma_);
  std::memset(buf_, 0, sizeof buf_);
  bits_ = 0;
  have_ = 0;
}

}  // namespace sorvil
