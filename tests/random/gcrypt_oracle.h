// libgcrypt as the independent reference for the tests (never linked into
// the shipped library).
#pragma once

#include <gcrypt.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace oracle {

inline void Init() {
  static bool done = [] {
    if (!gcry_check_version(GCRYPT_VERSION)) throw std::runtime_error("libgcrypt");
    gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
    return true;
  }();
  (void)done;
}

inline std::vector<uint8_t> Hash(const void* data, size_t n) {
  Init();
  std::vector<uint8_t> out(32);
  gcry_md_hash_buffer(GCRY_MD_GOSTR3411_94, out.data(), data, n);
  return out;
}

// GOST 28147-89 ECB with the library's default (test) S-boxes.
class Cipher {
 public:
  explicit Cipher(const uint8_t key[32]) {
    Init();
    gcry_cipher_open(&h_, GCRY_CIPHER_GOST28147, GCRY_CIPHER_MODE_ECB, 0);
    gcry_cipher_setkey(h_, key, 32);
  }
  ~Cipher() { gcry_cipher_close(h_); }
  void Encrypt(const uint8_t in[8], uint8_t out[8]) { gcry_cipher_encrypt(h_, out, 8, in, 8); }
  void Encrypt(const uint8_t* in, uint8_t* out, size_t n) {
    gcry_cipher_encrypt(h_, out, n, in, n);
  }

 private:
  gcry_cipher_hd_t h_{};
};

}  // namespace oracle
