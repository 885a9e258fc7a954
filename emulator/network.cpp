// Network: no commands answered yet (see network.h).
#include "network.h"

#include "domain.h"

namespace tesmar::emu {

namespace {

void Save(const RegistrarState&, StateWriter&) {}

KeyLoad Load(RegistrarState&, const std::string&, const std::string&, std::string&) {
  return KeyLoad::kNotMine;
}

}  // namespace

const Domain& NetworkDomain() {
  static const Domain kDomain{"network", {}, Save, Load};
  return kDomain;
}

}  // namespace tesmar::emu
