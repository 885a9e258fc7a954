// Configuration: the registrar's programmable settings.
#include "configuration.h"

#include "domain.h"

namespace tesmar::emu {

namespace {

void Save(const RegistrarState&, StateWriter&) {}

KeyLoad Load(RegistrarState&, const std::string&, const std::string&, std::string&) {
  return KeyLoad::kNotMine;
}

}  // namespace

const Domain& ConfigurationDomain() {
  static const Domain kDomain{"configuration", {}, Save, Load};
  return kDomain;
}

}  // namespace tesmar::emu
