// The registrar models: what the program derives from what identification
// learnt (the tape width the registrar prints, the options of the windows),
// and the table of the models the program knows, with the firmware and the
// counts each reports. The program's identification and the software
// registrar read both from here, so the registrar prints at the width the
// program centres for.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace tesmar::link {

// What identification learnt: the model text and firmware of 80h, and the
// access level and electronic journal settings of tsinit.ini.
struct RegistrarIdentity {
  std::string_view model;
  std::string_view firmware;
  std::string_view accessLevel;
  std::string_view electronicJournal;
};

// What the identity decides for the windows, computed once from the rule
// table. Every model rule looks for a substring of the model text (or
// compares it whole where said), so a model no table row names gets the same
// options as one that does.
struct RegistrarProfile {
  // Characters a line of the receipt tape holds; the header window centres
  // for it.
  int tapeWidth = 40;
  // Widths the header window offers in a list instead of its edit field
  // (the first is chosen and is `tapeWidth`); empty: the edit field.
  std::vector<int> tapeWidthChoices;
  bool wifi = false;   // "101": the Wi-Fi settings
  bool modem = false;  // "3141", or "CMP-10" but not "CMP-10M"
  // The model is exactly "Datecs CMP-10": the small font of the control
  // tape is offered.
  bool controlTapeSmallFont = false;
  // The model is exactly one of the six with the 57 mm paper option (the
  // small font of the control tape is then not offered).
  bool paper57 = false;
  bool fkp = false;  // "FKP": the daily reports with the control tape unload
  // Receipt copies come from the electronic control tape, not by number.
  bool electronicTapeCopies = false;
  // A payment of a type other than cash goes through the bank terminal.
  bool terminalPayments = false;
  // Cash in and cash out by the older commands (6Eh, a service receipt).
  bool oldCashIn = false;
  bool oldCashOut = false;
  // The goods report's last code defaults to fourteen digits, not nine.
  bool longGoodsCodes = false;
  // The FKP daily reports offer the control tape unload.
  bool controlTapeUnload = false;
  // "Datecs FP-320": payment forms may be marked to work with the terminal.
  bool paymentTerminal = false;
};

RegistrarProfile ProfileFor(const RegistrarIdentity& identity);
// What the model text alone decides (the software registrar's tape width).
RegistrarProfile OptionsForModel(std::string_view model);

// A model as the registrar identifies itself.
struct RegistrarModel {
  std::string_view model;  // field 1 of 80h
  std::string_view firmware;
  int taxGroups;
  int paymentTypes;  // 0 reads as 10
  RegistrarProfile Options() const { return OptionsForModel(model); }
};

// The models the program's rules name, and the software registrar's own.
std::span<const RegistrarModel> RegistrarModels();
// The row whose model text is exactly `model`; null when none is.
const RegistrarModel* FindRegistrarModel(std::string_view model);

}  // namespace tesmar::link
