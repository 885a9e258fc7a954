#include "cli/sequence_store.h"

#include <fstream>
#include <random>
#include <sstream>

#include "link/atomic_file.h"
#include "link/ini_profile.h"

namespace tesmar::cli {

bool SequenceStore::Load(const std::string& path, uint8_t& counter) {
  std::ifstream in(path, std::ios::binary);
  std::string text;
  if (!in || !std::getline(in, text)) return false;
  if (!text.empty() && text.back() == '\r') text.pop_back();
  if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
    return false;
  const int value = link::ParseLeadingInt(text);
  if (value > 255) return false;
  counter = static_cast<uint8_t>(value);
  return true;
}

void SequenceStore::Begin() {
  uint8_t counter = 0;
  if (!Load(path_, counter)) counter = static_cast<uint8_t>(std::random_device{}());
  driver_.SetSequenceCounter(counter);
  SaveNext();
  driver_.SetExchangeObserver(this);
}

void SequenceStore::ExchangeFinished(const link::ExchangeReport&) {
  SaveNext();
}

void SequenceStore::SaveNext() {
  const uint8_t next = static_cast<uint8_t>(driver_.SequenceCounter() + 1);
  std::string error;
  // Rewritten after every exchange: other runs must see it whole, but a
  // flush to the disk each time would slow a transfer of thousands of
  // chunks to a crawl.
  if (link::WriteFileAtomically(path_, std::to_string(next) + "\n", &error,
                                link::Durability::kProcesses) ||
      warned_)
    return;
  warned_ = true;
  std::fprintf(err_,
               "tesmar-cli: the sequence counter cannot be kept (%s); a registrar may "
               "take the next run's first command for a resend\n",
               error.c_str());
}

}  // namespace tesmar::cli
