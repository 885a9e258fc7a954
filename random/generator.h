// The X9.17-style generator over GOST 28147-89, seeded from 64 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "gost.h"

namespace sorvil {

// The whitening constants applied to the seed before it becomes key and V.
extern const uint8_t kWhiteningTable[64];
extern const uint8_t kWhiteningValue[8];

class Generator {
 public:
  Generator();

  // Derives key, V, I and bytes per block from `seed` and the time value
  // `dt`, then draws and discards 1024 bytes.
  void Seed(const uint8_t seed[64], const uint8_t dt[8]);
  void Generate(uint8_t* out, size_t n);
  // Zeroes the key schedule, V, I, DT and the expanded tables.
  void Wipe();

  int BytesPerBlock() const { return bytesPerBlock_; }

 private:
  void Step(uint8_t x[8]);

  SboxTables tables_;
  Gost28147 cipher_;
  uint8_t v_[8] = {};
  uint8_t i_[8] = {};
  uint8_t dt_[8] = {};
  int bytesPerBlock_ = 1;
};

// Bytes per block for a seed: floor(64 e) / 12 with e the nibble entropy
// divided by 4; 1 when that is 0 (then bits are drawn one at a time).
int BytesPerBlockFor(const uint8_t seed[64]);

}  // namespace sorvil
