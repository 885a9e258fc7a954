#include "link/registrar_models.h"

#include <algorithm>
#include <array>

namespace tesmar::link {

namespace {

bool Has(std::string_view model, std::string_view part) {
  return model.find(part) != std::string_view::npos;
}

struct WidthRule {
  std::string_view part;
  int width;
};

// Applied in order: a later rule overrides an earlier one.
constexpr WidthRule kWidths[] = {
    {"3141", 38}, {"CMP-10", 32}, {"260", 40}, {"3530", 36}, {"101", 32},
};

struct WidthListRule {
  std::string_view part;
  std::array<int, 2> choices;  // {0, 0}: a width for the edit field, no list
  int width;
};

// Then the first of these that matches, and no further one.
constexpr WidthListRule kWidthLists[] = {
    {"MP-01", {0, 0}, 32},           {"7179", {42, 44}, 42},          {"510", {42, 48}, 42},
    {"Datecs FP-T88", {40, 42}, 40}, {"Datecs FP-320", {40, 42}, 40},
};

// The facts a rule looks at, and how.
enum class Fact { Model, Firmware, AccessLevel, ElectronicJournal };
enum class Test { Contains, Is };

struct Clause {
  Fact fact;
  Test test;
  std::span<const std::string_view> any;  // empty: never holds
};

// A flag is set when `when` holds for one of its texts and `unless` for
// none; several rows of one flag are alternatives.
struct Rule {
  bool RegistrarProfile::*flag;
  Clause when;
  Clause unless;
};

using V = std::string_view;
constexpr V k101[] = {"101"}, k3141[] = {"3141"}, kCmp10[] = {"CMP-10"}, kCmp10M[] = {"CMP-10M"};
constexpr V kCmp10Exact[] = {"Datecs CMP-10"}, kFkp[] = {"FKP"}, kFp320[] = {"Datecs FP-320"};
constexpr V kPaper57[] = {"Datecs FP-T1",  "Datecs FP-T88",  "Datecs FP-510",
                          "Datecs FP-320", "Datecs FP-7197", "CMP-10M"};
constexpr V kTapeFirmware[] = {"5.00", "4.00", "4.01", "4.02", "MP-01 1.00"};
constexpr V kTerminalFirmware[] = {"4.00", "5.00"}, kKsef[] = {"КСЕФ"}, kHigh[] = {"high"};
constexpr V kOldCashIn[] = {"2.01", "2.02", "2.03", "2.04"},
            kOldCashOut[] = {"2.01", "2.02", "2.03"};
constexpr V kLongCodes[] = {"2.02", "2.03", "3.00"}, kUnloadFirmware[] = {"3.02"};
constexpr Clause kNever{Fact::Model, Test::Is, {}};

using P = RegistrarProfile;
// In the order identification applies them, then the rules of the windows.
const Rule kRules[] = {
    {&P::wifi, {Fact::Model, Test::Contains, k101}, kNever},
    {&P::modem, {Fact::Model, Test::Contains, k3141}, kNever},
    {&P::modem, {Fact::Model, Test::Contains, kCmp10}, {Fact::Model, Test::Contains, kCmp10M}},
    {&P::controlTapeSmallFont, {Fact::Model, Test::Is, kCmp10Exact}, kNever},
    {&P::paper57, {Fact::Model, Test::Is, kPaper57}, kNever},
    {&P::fkp, {Fact::Model, Test::Contains, kFkp}, kNever},
    {&P::electronicTapeCopies, {Fact::Firmware, Test::Contains, kTapeFirmware}, kNever},
    {&P::terminalPayments, {Fact::Firmware, Test::Contains, kTerminalFirmware}, kNever},
    {&P::terminalPayments, {Fact::ElectronicJournal, Test::Is, kKsef}, kNever},
    {&P::oldCashIn, {Fact::Firmware, Test::Is, kOldCashIn}, {Fact::AccessLevel, Test::Is, kHigh}},
    {&P::oldCashOut, {Fact::Firmware, Test::Is, kOldCashOut}, {Fact::AccessLevel, Test::Is, kHigh}},
    {&P::longGoodsCodes, {Fact::Firmware, Test::Is, kLongCodes}, kNever},
    {&P::longGoodsCodes, {Fact::AccessLevel, Test::Is, kHigh}, kNever},
    {&P::controlTapeUnload, {Fact::Firmware, Test::Is, kUnloadFirmware}, kNever},
    {&P::controlTapeUnload, {Fact::AccessLevel, Test::Is, kHigh}, kNever},
    {&P::paymentTerminal, {Fact::Model, Test::Contains, kFp320}, kNever},
};

std::string_view TextOf(const RegistrarIdentity& id, Fact fact) {
  switch (fact) {
    case Fact::Model:
      return id.model;
    case Fact::Firmware:
      return id.firmware;
    case Fact::AccessLevel:
      return id.accessLevel;
    case Fact::ElectronicJournal:
      return id.electronicJournal;
  }
  return {};
}

bool Holds(const Clause& c, const RegistrarIdentity& id) {
  const std::string_view text = TextOf(id, c.fact);
  return std::any_of(c.any.begin(), c.any.end(), [&](std::string_view part) {
    return c.test == Test::Is ? text == part : Has(text, part);
  });
}

void ApplyWidths(std::string_view model, RegistrarProfile& o) {
  for (const WidthRule& rule : kWidths)
    if (Has(model, rule.part)) o.tapeWidth = rule.width;
  for (const WidthListRule& rule : kWidthLists) {
    if (!Has(model, rule.part)) continue;
    o.tapeWidth = rule.width;
    if (rule.choices[0]) o.tapeWidthChoices.assign(rule.choices.begin(), rule.choices.end());
    return;
  }
}

constexpr RegistrarModel kModels[] = {
    {"Tesmar EMU-01", "3.01", 5, 10},   {"Tesmar 3141", "2.01", 5, 10},
    {"Tesmar FP-3530T", "3.00", 5, 10}, {"Tesmar WF-101", "5.00", 5, 10},
    {"Tesmar FKP-101", "3.02", 5, 10},  {"Tesmar MP-01", "1.00", 5, 10},
    {"Tesmar FP-7179", "3.01", 9, 10},  {"Datecs FP-T1", "3.00", 5, 10},
    {"Datecs FP-T88", "3.01", 5, 10},   {"Datecs FP-T260", "3.01", 5, 10},
    {"Datecs FP-320", "4.00", 5, 10},   {"Datecs FP-510", "3.01", 5, 10},
    {"Datecs FP-7197", "3.01", 5, 10},  {"Datecs CMP-10", "2.02", 5, 0},
    {"CMP-10M", "2.03", 5, 4},
};

}  // namespace

RegistrarProfile ProfileFor(const RegistrarIdentity& identity) {
  RegistrarProfile p;
  ApplyWidths(identity.model, p);
  for (const Rule& rule : kRules)
    if (Holds(rule.when, identity) && !Holds(rule.unless, identity)) p.*rule.flag = true;
  return p;
}

RegistrarProfile OptionsForModel(std::string_view model) {
  return ProfileFor({model, {}, {}, {}});
}

std::span<const RegistrarModel> RegistrarModels() {
  return kModels;
}

const RegistrarModel* FindRegistrarModel(std::string_view model) {
  for (const RegistrarModel& m : kModels)
    if (m.model == model) return &m;
  return nullptr;
}

}  // namespace tesmar::link
