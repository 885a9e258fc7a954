// Configuration: the registrar's programmable settings. The service
// counters (88h, 89h) are the maintenance domain's.
#pragma once

namespace tesmar::emu {

struct Domain;

struct ConfigurationState {};

const Domain& ConfigurationDomain();

}  // namespace tesmar::emu
