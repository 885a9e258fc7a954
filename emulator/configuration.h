// Configuration: the service parameters (88h, 89h), remote access among them.
#pragma once

#include <map>

namespace tesmar::emu {

struct Domain;

struct ConfigurationState {
  std::map<int, long long> serviceParameters;
};

const Domain& ConfigurationDomain();

}  // namespace tesmar::emu
