#include "gost.h"

#include <bit>
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
// Words are little-endian, as on the machines Sorvil is built for: they are
// read and written by plain copies, and the hash takes its 16-bit words
// straight from its 64-bit ones.
static_assert(std::endian::native == std::endian::little, "GOST words are little-endian");

template <typename Word>
inline Word Load(const void* p) {
  Word v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
template <typename Word>
inline void Store(void* p, Word v) {
  std::memcpy(p, &v, sizeof v);
}
inline uint32_t Le32(const uint8_t* p) {
  return Load<uint32_t>(p);
}
inline uint64_t Load64(const void* p) {
  return Load<uint64_t>(p);
}

// The hash works on the 256-bit values as four 64-bit words, lowest first.
using Words = uint64_t[4];

// A(Y): (y1 ^ y2) || y4 || y3 || y2, y1 lowest.
inline void TransformA(Words y) {
  const uint64_t top = y[0] ^ y[1];
  y[0] = y[1];
  y[1] = y[2];
  y[2] = y[3];
  y[3] = top;
}

// The constant C3 that is added to U before the third key.
inline void ApplyC3(Words u) {
  u[0] ^= 0xff00ff00ff00ff00;
  u[1] ^= 0x00ff00ff00ff00ff;
  u[2] ^= 0xff0000ff00ffff00;
  u[3] ^= 0xff00ffff000000ff;
}

// P(Y): output byte 8i + k (1-based) comes from input byte i + 1 + 4(k - 1);
// in key words, byte i of key word k is byte k of 64-bit word i.
inline void TransformP(const Words w, uint32_t k[8]) {
  for (int word = 0; word < 8; ++word) {
    const int shift = 8 * word;
    k[word] = uint32_t((w[0] >> shift) & 0xff) | uint32_t((w[1] >> shift) & 0xff) << 8 |
              uint32_t((w[2] >> shift) & 0xff) << 16 | uint32_t((w[3] >> shift) & 0xff) << 24;
  }
}

// psi applied n times over 16-bit words: each step appends
// y1 ^ y2 ^ y3 ^ y4 ^ y13 ^ y16 as the new top word and drops y1, so the
// value starts at w and ends at w + n. Four steps at a time: the first five
// terms of four new words are all known already, and each new word adds
// the one before it (the y16 term), a running XOR over the four 16-bit lanes
// of one 64-bit word.
void Psi(uint16_t* w, int n) {
  int k = 0;
  for (; k + 4 <= n; k += 4) {
    const uint64_t a = Load64(w + k) ^ Load64(w + k + 1) ^ Load64(w + k + 2) ^ Load64(w + k + 3) ^
                       Load64(w + k + 12);
    uint64_t run = a ^ (a << 16);
    run ^= run << 32;
    Store<uint64_t>(w + k + 16, run ^ uint64_t(w[k + 15]) * 0x0001000100010001);
  }
  for (; k < n; ++k) w[k + 16] = w[k] ^ w[k + 1] ^ w[k + 2] ^ w[k + 3] ^ w[k + 12] ^ w[k + 15];
}

inline void Xor256(uint16_t* w, const Words v) {
  for (int i = 0; i < 4; ++i) Store<uint64_t>(w + 4 * i, Load64(w + 4 * i) ^ v[i]);
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
  const uint32_t* keys[1] = {key_};
  uint32_t a[1] = {Le32(in)}, b[1] = {Le32(in + 4)};
  Rounds<1>(sbox_, keys, kEncryptOrder, a, b);
  Store<uint32_t>(out, b[0]);
  Store<uint32_t>(out + 4, a[0]);
}

void Gost28147::DecryptBlock(const uint8_t in[8], uint8_t out[8]) const {
  const uint32_t* keys[1] = {key_};
  uint32_t a[1] = {Le32(in)}, b[1] = {Le32(in + 4)};
  Rounds<1>(sbox_, keys, kDecryptOrder, a, b);
  Store<uint32_t>(out, b[0]);
  Store<uint32_t>(out + 4, a[0]);
}

void Gost28147::Wipe() {
  volatile uint32_t* k = key_;
  for (int i = 0; i < 8; ++i) k[i] = 0;
}

// --- GOST R 34.11-94 --------------------------------------------------------------

Gostr341194::Gostr341194(const SboxTables& tables) : sbox_(tables) {}

void Gostr341194::Step(const uint64_t m[4]) {
  // The four keys first, then the four encryptions of H's 64-bit words side
  // by side.
  uint64_t u[4] = {h_[0], h_[1], h_[2], h_[3]}, v[4] = {m[0], m[1], m[2], m[3]};
  uint32_t k[4][8];
  for (int i = 0; i < 4; ++i) {
    const uint64_t w[4] = {u[0] ^ v[0], u[1] ^ v[1], u[2] ^ v[2], u[3] ^ v[3]};
    TransformP(w, k[i]);
    TransformA(u);
    if (i == 1) ApplyC3(u);
    TransformA(v);
    TransformA(v);
  }
  const uint32_t* keys[4] = {k[0], k[1], k[2], k[3]};
  uint32_t n1[4], n2[4];
  for (int i = 0; i < 4; ++i) {
    n1[i] = uint32_t(h_[i]);
    n2[i] = uint32_t(h_[i] >> 32);
  }
  Rounds<4>(sbox_, keys, kEncryptOrder, n1, n2);
  volatile uint32_t* wipe = &k[0][0];
  for (int i = 0; i < 32; ++i) wipe[i] = 0;

  // H' = psi^61(H ^ psi(M ^ psi^12(S))), S the four encryptions, in one run
  // of the shift register.
  uint16_t w[16 + 12 + 1 + 61];
  for (int i = 0; i < 4; ++i) Store<uint64_t>(w + 4 * i, uint64_t(n2[i]) | uint64_t(n1[i]) << 32);
  Psi(w, 12);
  Xor256(w + 12, m);
  Psi(w + 12, 1);
  Xor256(w + 13, h_);
  Psi(w + 13, 61);
  for (int i = 0; i < 4; ++i) h_[i] = Load64(w + 74 + 4 * i);
}

// One 32-byte block of the message: a step, and sigma += M mod 2^256.
void Gostr341194::Block(const uint8_t block[32]) {
  uint64_t m[4];
  for (int i = 0; i < 4; ++i) m[i] = Load64(block + 8 * i);
  Step(m);
  uint64_t carry = 0;
  for (int i = 0; i < 4; ++i) {
    const uint64_t sum = sigma_[i] + m[i];
    const uint64_t out = sum + carry;
    carry = uint64_t(sum < m[i]) | uint64_t(out < sum);
    sigma_[i] = out;
  }
}

void Gostr341194::Update(const void* data, size_t n) {
  const auto* p = static_cast<const uint8_t*>(data);
  if (have_ > 0) {
    const size_t take = n < 32 - have_ ? n : 32 - have_;
    std::memcpy(buf_ + have_, p, take);
    have_ += take;
    p += take;
    n -= take;
    if (have_ < 32) return;
    Block(buf_);
    bits_ += 256;
    have_ = 0;
  }
  for (; n >= 32; p += 32, n -= 32) {  // whole blocks straight from the input
    Block(p);
    bits_ += 256;
  }
  std::memcpy(buf_, p, n);
  have_ = n;
}

void Gostr341194::Final(uint8_t digest[32]) {
  if (have_ > 0) {
    std::memset(buf_ + have_, 0, 32 - have_);
    Block(buf_);
    bits_ += 8 * have_;
    have_ = 0;
  }
  const uint64_t length[4] = {bits_, 0, 0, 0};
  Step(length);
  Step(sigma_);
  for (int i = 0; i < 4; ++i) Store<uint64_t>(digest + 8 * i, h_[i]);
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
