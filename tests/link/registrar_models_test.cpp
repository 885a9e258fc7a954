// The model table: what a model text decides (the tape width the registrar
// prints and the header window offers, the window options), for the models
// the rules name and for texts no row names.
#include "link/registrar_models.h"

#include <gtest/gtest.h>

#include <set>

using tesmar::link::FindRegistrarModel;
using ModelOptions = tesmar::link::RegistrarProfile;
using tesmar::link::OptionsForModel;
using tesmar::link::RegistrarModels;

TEST(RegistrarModels, widthsFollowTheRulesInTheirOrder) {
  struct Case {
    const char* model;
    int width;
    std::vector<int> choices;
  };
  const Case cases[] = {
      {"Tesmar EMU-01", 40, {}},
      {"Tesmar 3141", 38, {}},
      {"Datecs CMP-10", 32, {}},
      {"CMP-10M", 32, {}},
      {"Datecs FP-T260", 40, {}},
      {"ЭКР 3530", 36, {}},
      {"Tesmar WF-101", 32, {}},
      {"3141 260", 40, {}},  // a later rule wins
      {"3530 101", 32, {}},
      {"Tesmar MP-01", 32, {}},
      {"Tesmar FP-7179", 42, {42, 44}},
      {"Datecs FP-510", 42, {42, 48}},
      {"Datecs FP-T88", 40, {40, 42}},
      {"Datecs FP-320", 40, {40, 42}},
      {"3141 MP-01 510", 32, {}},  // only the first of the list rules
      {"", 40, {}},
  };
  for (const Case& c : cases) {
    const ModelOptions o = OptionsForModel(c.model);
    EXPECT_EQ(o.tapeWidth, c.width) << c.model;
    EXPECT_EQ(o.tapeWidthChoices, c.choices) << c.model;
  }
}

TEST(RegistrarModels, windowOptionsOfTheNamedModels) {
  EXPECT_TRUE(OptionsForModel("Tesmar 3141").modem);
  EXPECT_TRUE(OptionsForModel("Tesmar CMP-10").modem);
  EXPECT_FALSE(OptionsForModel("CMP-10M").modem);
  const ModelOptions fkp = OptionsForModel("Tesmar FKP-101");
  EXPECT_TRUE(fkp.fkp && fkp.wifi);
  EXPECT_EQ(fkp.tapeWidth, 32);
  EXPECT_TRUE(OptionsForModel("Datecs CMP-10").controlTapeSmallFont);
  EXPECT_FALSE(OptionsForModel("Datecs CMP-10 ").controlTapeSmallFont);  // the whole text
  for (const char* m : {"Datecs FP-T1", "Datecs FP-T88", "Datecs FP-510", "Datecs FP-320",
                        "Datecs FP-7197", "CMP-10M"})
    EXPECT_TRUE(OptionsForModel(m).paper57) << m;
  EXPECT_FALSE(OptionsForModel("Tesmar CMP-10M").paper57);
  EXPECT_TRUE(OptionsForModel("Datecs FP-320 Ukr").paymentTerminal);
  EXPECT_TRUE(OptionsForModel("Datecs FP-3200").paymentTerminal);  // a substring
  EXPECT_FALSE(OptionsForModel("FP-320").paymentTerminal);
}

TEST(RegistrarModels, tableRowsAreFoundByTheirWholeTextAndKnowTheirOptions) {
  std::set<std::string_view> seen;
  for (const auto& m : RegistrarModels()) {
    EXPECT_TRUE(seen.insert(m.model).second) << m.model;
    EXPECT_EQ(FindRegistrarModel(m.model), &m);
    EXPECT_GE(m.taxGroups, 1);
    EXPECT_LE(m.taxGroups, 9);
    EXPECT_GE(m.paymentTypes, 0);
    EXPECT_LE(m.paymentTypes, 10);
    EXPECT_EQ(m.Options().tapeWidth, OptionsForModel(m.model).tapeWidth);
  }
  EXPECT_EQ(FindRegistrarModel("Tesmar EMU"), nullptr);
  ASSERT_NE(FindRegistrarModel("Datecs FP-320"), nullptr);
  EXPECT_EQ(FindRegistrarModel("Datecs FP-320")->firmware, "4.00");
}

// The profile's model rules, one row per model the rules name.
TEST(RegistrarProfile, eachNamedModel) {
  using tesmar::link::ProfileFor;
  struct Case {
    const char* model;
    int width;
    bool list, wifi, modem, controlSmallFont, paper57, fkp, paymentTerminal;
  };
  const Case cases[] = {
      {"Tesmar 3141", 38, false, false, true, false, false, false, false},
      {"Tesmar CMP-10", 32, false, false, true, false, false, false, false},
      {"Datecs CMP-10", 32, false, false, true, true, false, false, false},
      {"CMP-10M", 32, false, false, false, false, true, false, false},
      {"Tesmar CMP-10M", 32, false, false, false, false, false, false, false},
      {"Datecs FP-T260", 40, false, false, false, false, false, false, false},
      {"ЭКР 3530", 36, false, false, false, false, false, false, false},
      {"Tesmar WF-101", 32, false, true, false, false, false, false, false},
      {"Tesmar FKP-101", 32, false, true, false, false, false, true, false},
      {"Tesmar MP-01", 32, false, false, false, false, false, false, false},
      {"Tesmar FP-7179", 42, true, false, false, false, false, false, false},
      {"Datecs FP-T1", 40, false, false, false, false, true, false, false},
      {"Datecs FP-T88", 40, true, false, false, false, true, false, false},
      {"Datecs FP-510", 42, true, false, false, false, true, false, false},
      {"Datecs FP-320", 40, true, false, false, false, true, false, true},
      {"Datecs FP-7197", 40, false, false, false, false, true, false, false},
      {"Tesmar EMU-01", 40, false, false, false, false, false, false, false},
  };
  for (const Case& c : cases) {
    const auto p = ProfileFor({c.model, "3.01", "medium", ""});
    SCOPED_TRACE(c.model);
    EXPECT_EQ(p.tapeWidth, c.width);
    EXPECT_EQ(!p.tapeWidthChoices.empty(), c.list);
    EXPECT_EQ(p.wifi, c.wifi);
    EXPECT_EQ(p.modem, c.modem);
    EXPECT_EQ(p.controlTapeSmallFont, c.controlSmallFont);
    EXPECT_EQ(p.paper57, c.paper57);
    EXPECT_EQ(p.fkp, c.fkp);
    EXPECT_EQ(p.paymentTerminal, c.paymentTerminal);
  }
}

// The profile's firmware rules, one row per firmware version the rules
// name, at the medium and the high access level; the model does not count.
TEST(RegistrarProfile, eachNamedFirmwareAndAccessLevel) {
  using tesmar::link::ProfileFor;
  struct Case {
    const char* firmware;
    const char* level;
    bool tapeCopies, terminal, oldCashIn, oldCashOut, longCodes, unload;
  };
  const Case cases[] = {
      {"2.01", "medium", false, false, true, true, false, false},
      {"2.02", "medium", false, false, true, true, true, false},
      {"2.03", "medium", false, false, true, true, true, false},
      {"2.04", "medium", false, false, true, false, false, false},
      {"3.00", "medium", false, false, false, false, true, false},
      {"3.01", "medium", false, false, false, false, false, false},
      {"3.02", "medium", false, false, false, false, false, true},
      {"4.00", "medium", true, true, false, false, false, false},
      {"4.01", "medium", true, false, false, false, false, false},
      {"4.02", "medium", true, false, false, false, false, false},
      {"5.00", "medium", true, true, false, false, false, false},
      {"MP-01 1.00", "medium", true, false, false, false, false, false},
      {"V5.00b", "medium", true, true, false, false, false, false},   // contained
      {"2.01 ", "medium", false, false, false, false, false, false},  // the whole text
      {"2.01", "high", false, false, false, false, true, true},
      {"2.04", "high", false, false, false, false, true, true},
      {"3.01", "High", false, false, false, false, false, false},  // exactly "high"
  };
  for (const Case& c : cases) {
    const auto p = ProfileFor({"Tesmar FKP-101", c.firmware, c.level, ""});
    SCOPED_TRACE(std::string(c.firmware) + " " + c.level);
    EXPECT_EQ(p.electronicTapeCopies, c.tapeCopies);
    EXPECT_EQ(p.terminalPayments, c.terminal);
    EXPECT_EQ(p.oldCashIn, c.oldCashIn);
    EXPECT_EQ(p.oldCashOut, c.oldCashOut);
    EXPECT_EQ(p.longGoodsCodes, c.longCodes);
    EXPECT_EQ(p.controlTapeUnload, c.unload);
  }
  // The journal "КСЕФ" sends card payments through the terminal whatever
  // the firmware; another journal does not.
  EXPECT_TRUE(ProfileFor({"", "3.01", "medium", "КСЕФ"}).terminalPayments);
  EXPECT_FALSE(ProfileFor({"", "3.01", "medium", "ксеф"}).terminalPayments);
}
