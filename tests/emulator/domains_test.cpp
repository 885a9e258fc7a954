// The emulator's domains: every command the program sends has a handler or
// its row says it is not emulated yet, no code is claimed twice, and the argument
// reader refuses fields as the registrar does.
#include <gtest/gtest.h>

#include <set>

#include "emulator/arg_reader.h"
#include "link/command_table.h"
#include "emulator/domain.h"

using namespace tesmar;
using namespace tesmar::emu;

namespace {

// The codes the program sends: every command row of the link. The
// formatters and windows name their codes by the constants these rows give.
std::set<int> DescribedCodes() {
  std::set<int> codes;
  for (const link::CommandDescriptor& c : link::Commands()) codes.insert(c.code);
  return codes;
}

std::set<int> CommandTableCodes() {
  std::set<int> codes;
  for (int code = 0x20; code <= 0xFF; ++code) {
    std::string_view caption, parameters;
    if (link::LookupCommand(code, caption, parameters)) codes.insert(code);
  }
  return codes;
}

std::string Hex(int code) {
  char text[8];
  std::snprintf(text, sizeof text, "%02Xh", code);
  return text;
}

}  // namespace

TEST(Domains, everyCodeTheProgramSendsHasAHandlerOrIsListedAsNotEmulatedYet) {
  const std::set<int> described = DescribedCodes();
  ASSERT_GE(described.size(), 60u) << "the command rows no longer name the codes sent";
  std::set<int> sent = CommandTableCodes();
  ASSERT_GE(sent.size(), 40u);
  sent.insert(described.begin(), described.end());
  const auto notYet = NotEmulatedYet();
  const std::set<int> listed(notYet.begin(), notYet.end());
  ASSERT_EQ(listed.size(), notYet.size()) << "a code listed twice";
  const Registrar r;
  for (int code : sent)
    EXPECT_TRUE(r.Handles(code) || listed.count(code)) << Hex(code) << " is neither";
  for (int code : listed) EXPECT_FALSE(r.Handles(code)) << Hex(code) << " is listed but handled";
}

TEST(Domains, everyDomainRowIsRegisteredAndNoCodeIsClaimedTwice) {
  const Registrar r;
  EXPECT_TRUE(r.RegistrationConflicts().empty());
  size_t rows = 0;
  for (const Domain* d : Domains()) {
    rows += d->rows.size();
    for (const HandlerRow& row : d->rows) EXPECT_TRUE(r.Handles(row.code)) << d->name;
  }
  EXPECT_GE(rows, 20u);
}

TEST(Domains, everyHandledCodeHasACommandRowThatSaysItIsEmulated) {
  // A handler without a row would take the working mode's passwords unseen.
  for (const Domain* d : Domains())
    for (const HandlerRow& row : d->rows) {
      const link::CommandDescriptor* c = link::FindCommand(row.code);
      ASSERT_NE(c, nullptr) << Hex(row.code) << " of " << d->name << " has no command row";
      EXPECT_EQ(c->emulation, link::Emulation::kEmulated) << Hex(row.code);
    }
}

TEST(Domains, registeringACodeTwiceFailsAndKeepsTheFirstHandler) {
  Registrar r;
  ASSERT_TRUE(r.Handles(0x21));
  EXPECT_FALSE(r.Register(0x21, [](Registrar&, ArgReader&) { return Answer{"0001", ""}; }));
  EXPECT_EQ(r.Execute(0x21, "731942;").error, "0000");
  EXPECT_TRUE(r.Register(0xC7, [](Registrar&, ArgReader&) { return Answer{"0000", "new;"}; }));
  EXPECT_FALSE(r.Register(0xC7, [](Registrar&, ArgReader&) { return Answer{}; }));
  EXPECT_EQ(r.Execute(0xC7, "731942;").data, "new;");
}

TEST(ArgReader, numbersAreReadStrictly) {
  long long v = 0;
  EXPECT_EQ(ParseScaled("12.5", 2, v), NumberParse::kOk);
  EXPECT_EQ(v, 1250);
  EXPECT_EQ(ParseScaled("-1.50", 2, v), NumberParse::kOk);
  EXPECT_EQ(v, -150);
  EXPECT_EQ(ParseScaled("007", 0, v), NumberParse::kOk);
  EXPECT_EQ(v, 7);
  for (const char* bad : {"1e5", " 1", "+1", "1 ", "", "-", ".5", "5.", "1,5", "0x10", "1.2.3"})
    EXPECT_EQ(ParseScaled(bad, 2, v), NumberParse::kFormat) << bad;
  EXPECT_EQ(ParseScaled("1.234", 2, v), NumberParse::kFormat);
  EXPECT_EQ(ParseScaled("9999999999999999999", 0, v), NumberParse::kRange);
  EXPECT_EQ(ParseScaled("99999999999999", 3, v), NumberParse::kOk);  // 14 digits, 3 decimals
}

TEST(ArgReader, refusesTheFirstBadFieldByItsNumber) {
  ArgReader a(SplitFields("731942;5;x;700;"));
  EXPECT_EQ(a.Count(), 3);
  EXPECT_EQ(a.Integer(1, 0, 9), 5);
  a.Integer(2, 0, 9);   // wrong format of field 2
  a.Integer(3, 0, 99);  // out of range, but the first refusal stands
  EXPECT_FALSE(a);
  EXPECT_EQ(a.Refusal().error, "0203");

  ArgReader range(SplitFields("731942;5;700;"));
  range.Integer(2, 0, 99);
  EXPECT_EQ(range.Refusal().error, "0204");

  ArgReader missing(SplitFields("731942;"));
  missing.Text(1, 10);
  EXPECT_EQ(missing.Refusal().error, "0103");
  ArgReader absent(SplitFields("731942;"));
  EXPECT_EQ(absent.Integer(1, 0, 1, 1), 1);  // a value for an absent field
  EXPECT_TRUE(absent);
  ArgReader longText(SplitFields("731942;abcdef;"));
  longText.Text(1, 5);
  EXPECT_EQ(longText.Refusal().error, "0104");
}

TEST(ArgReader, datesAreDaysOfTheCalendar) {
  ArgReader a(SplitFields("731942;290224;050324;"));
  EXPECT_EQ(a.Date(1), 20240229);
  EXPECT_EQ(a.Date(2), 20240305);
  EXPECT_TRUE(a);
  for (const char* bad :
       {"731942;290223;", "731942;000124;", "731942;311324;", "731942;5324;", "731942;05-3-24;"}) {
    ArgReader b(SplitFields(bad));
    b.Date(1);
    EXPECT_EQ(b.Refusal().error, "0C05") << bad;
  }
}
