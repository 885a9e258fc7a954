// What the identified model decides about other windows. Pure functions of
// the model text.
#pragma once

#include <QString>

#include "app_state.h"

namespace tesmar::app {

bool IsModemModel(const QString& model);
bool IsFkpModel(const QString& model);
bool HasWifi(const QString& model);
TapeWidthChoice TapeWidthFor(const QString& model);
// Small-font and 57 mm options of the registrar parameters dialog, after a
// serial or USB connect has hidden both small-font options.
RegistrarParamOptions RegistrarOptionsFor(const QString& model, RegistrarParamOptions current);
// The identification's rules for menu items, whatever window they open:
// whether the item may open its window, and whether it is shown at all.
bool MenuItemAllowed(const QString& caption, const AppState& state);
bool MenuItemVisible(const QString& caption, const AppState& state);
// The firmware version a serial connect keeps: the forced one, or the device's.
QString FirmwareVersionFor(int forcedVersion, const QString& reported, const QString& previous);

}  // namespace tesmar::app
