// What identification decides about other windows: the registrar's profile
// (one rule table over the model, the firmware, the access level and the
// electronic journal setting) and the window state it sets.
#pragma once

#include <QString>

#include "app/app_state.h"
#include "link/registrar_models.h"

namespace tesmar::app {

// The profile of what `s` holds now (model, firmware version, access level,
// electronic journal).
link::RegistrarProfile ProfileOf(const AppState& s);
// At identification, once the model and the firmware version are known:
// the profile, the header window's tape width and the registrar parameters
// window's options.
void TakeProfile(AppState& s);
TapeWidthChoice TapeWidthFor(const link::RegistrarProfile& profile);
// Small-font and 57 mm options of the registrar parameters dialog, after a
// serial or USB connect has hidden both small-font options.
RegistrarParamOptions RegistrarOptionsFor(const link::RegistrarProfile& profile,
                                          RegistrarParamOptions current);
// The firmware version a serial connect keeps: the forced one, or the device's.
QString FirmwareVersionFor(int forcedVersion, const QString& reported, const QString& previous);

}  // namespace tesmar::app
