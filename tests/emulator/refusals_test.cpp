// A refused command changes nothing: for every command code the registrar
// answers, a request it must refuse leaves the state file, the tape, the
// status bytes and the memory the state file does not hold byte for byte as
// they were. Each request passes the field checks where it can, so that it
// meets the handler's later checks, where a change made too early shows.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <set>
#include <vector>

#include "link/encoding.h"
#include "emulator/printing.h"
#include "emulator/registrar.h"
#include "emulator/state_file.h"

using namespace tesmar;
using namespace tesmar::emu;

namespace {

struct Step {
  int code;
  const char* params;  // UTF-8
};

// The states the requests are refused in, each made by its commands.
enum class Scene {
  kFresh,           // a registrar out of the box
  kSale,            // a fiscal receipt with one sale of 12.50
  kBigSale,         // a fiscal receipt with one sale of 60 000 000.00
  kFreeSale,        // a fiscal receipt with one sale at 0.00
  kNonFiscal,       // a non-fiscal document open
  kService,         // a service receipt (cash in or out) open
  kShift,           // a receipt closed: the shift is open, goods sold in it
  kFiscalized,      // serial number set, fiscalized
  kReminder,        // a maintenance reminder with its own password, and a full message buffer
  kModemToSend,     // the modem holds documents and is asked to send them
  kForbiddenGroup,  // a receipt open, an article in group В, then В forbidden
};

std::vector<Step> SceneSteps(Scene s) {
  const Step article{0x24, "731942;101;Хліб;12.50;0;1;"};
  const Step open{0x63, "731942;1;1;0;"};
  switch (s) {
    case Scene::kFresh:
      return {};
    case Scene::kSale:
      return {article, open, {0x64, "731942;101;1.000;"}};
    case Scene::kBigSale:
      return {article, open, {0x64, "731942;101;1.000;60000000.00;"}};
    case Scene::kFreeSale:
      return {article, open, {0x64, "731942;101;1.000;0.00;"}};
    case Scene::kNonFiscal:
      return {{0x60, "731942;"}};
    case Scene::kService:
      return {{0x63, "731942;1;1;2;"}};
    case Scene::kShift:
      return {article,
              open,
              {0x64, "731942;101;1.000;"},
              {0x67, "731942;0;20.00;"},
              {0x65, "731942;0;"}};
    case Scene::kFiscalized:
      return {{0x41, "731942;ЕК1234567;"}, {0x40, "731942;ЕК1234567;123456;"}};
    case Scene::kReminder: {
      std::vector<Step> steps = {{0x35, "731942;111111;010130;5;1F;"}, {0x34, "731942;0;1;"}};
      for (int i = 2; i <= 10; ++i) steps.push_back({0x34, "731942;1;more;"});
      return steps;
    }
    case Scene::kModemToSend:
      return {{0x4B, "731942;77;"}, {0x88, "731942;21;1;"}};
    case Scene::kForbiddenGroup:
      return {{0x24, "731942;103;Сіль;5.00;2;1;"},
              {0x47, "731942;2;00;0.00;;-1;"},
              article,
              open,
              {0x64, "731942;101;1.000;"}};
  }
  return {};
}

struct Case {
  int code;
  Scene scene;
  const char* request;
};

// One request each code must refuse. A code the registrar answers without
// a row here fails the coverage check below.
const Case kCases[] = {
    {0x20, Scene::kShift, "731942;010125;1200;"},            // not inside a shift
    {0x21, Scene::kFresh, "000000;"},                        // wrong password
    {0x22, Scene::kFresh, "731942;14;Рядок;0;"},             // no line 14
    {0x23, Scene::kFresh, "731942;14;"},                     //
    {0x24, Scene::kShift, "731942;101;Інше;1.00;0;1;"},      // sold in the shift
    {0x27, Scene::kSale, "731942;0;0;0000;00;0A;0A;32;"},    // a document open
    {0x28, Scene::kFresh, "000000;"},                        //
    {0x29, Scene::kFresh, "731942;0;XYZ;"},                  // not packed pixels
    {0x2B, Scene::kFresh, "731942;111111;2222a2;333333;"},   // a password of letters
    {0x2C, Scene::kSale, "731942;1;"},                       // a document open
    {0x2D, Scene::kSale, "731942;1;01;Картка;"},             // a document open
    {0x2E, Scene::kFresh, "731942;10;"},                     // no form 10
    {0x2F, Scene::kFresh, "731942;1;111111;;"},              // no name
    {0x30, Scene::kFresh, "731942;17;"},                     // no operator 17
    {0x31, Scene::kFresh, "731942;384;97;"},                 // taller than the store
    {0x34, Scene::kReminder, "731942;1;eleventh;"},          // the buffer is full
    {0x35, Scene::kReminder, "222222;333333;010130;5;1F;"},  // not the reminder's password
    {0x36, Scene::kFresh, "000000;"},                        //
    {0x3B, Scene::kShift, "731942;"},                        // goods sold in the shift
    {0x40, Scene::kFresh, "731942;ЕК1234567;123456;"},       // no serial number
    {0x41, Scene::kFiscalized, "731942;ЕК7654321;"},         // fiscalized
    {0x42, Scene::kFresh, "731942;"},                        // no serial number
    {0x43, Scene::kFresh, "731942;12345678901;"},            // eleven characters
    {0x44, Scene::kFresh, "000000;"},                        //
    {0x45, Scene::kFresh, "731942;1234567890123;1;"},        // thirteen characters
    {0x46, Scene::kFresh, "000000;"},                        //
    {0x47, Scene::kShift, "731942;0;01;20.00;ПДВ;-1;"},      // the shift is open
    {0x48, Scene::kFresh, "731942;9;"},                      //
    {0x49, Scene::kShift, "731942;3;"},                      // the shift is open
    {0x4A, Scene::kFresh, "000000;"},                        //
    {0x4B, Scene::kFresh, "731942;0;"},                      //
    {0x4C, Scene::kFresh, "731942;"},                        // no ID_DEV
    {0x4D, Scene::kFresh, "731942;"},                        // no ID_DEV
    {0x60, Scene::kNonFiscal, "731942;"},                    // one is open
    {0x61, Scene::kFresh, "731942;Рядок;"},                  // no document
    {0x62, Scene::kFresh, "731942;"},                        // none open
    {0x63, Scene::kSale, "731942;1;1;0;"},                   // one is open
    {0x64, Scene::kSale, "731942;999;1.000;"},               // no such article
    {0x65, Scene::kSale, "731942;0;"},                       // not paid
    {0x67, Scene::kSale, "731942;1;20.00;"},                 // change from a card
    {0x67, Scene::kSale, "731942;2;5.00;"},                  // a form not allowed
    {0x64, Scene::kForbiddenGroup, "731942;103;1.000;"},     // a group without tax allowed
    {0x68, Scene::kNonFiscal, "731942;-5.00;"},              // no receipt
    {0x69, Scene::kSale, "731942;-20.00;"},                  // below zero
    {0x6B, Scene::kSale, "731942;2;"},                       // no void sequence
    {0x6D, Scene::kFresh, "731942;"},                        // no receipt
    {0x6E, Scene::kFresh, "731942;1;-100.00;"},              // the till is empty
    {0x6F, Scene::kFresh, "731942;10;FFFF0000FFFF0000FFFF0000FFFF0000;"},  // no document
    {0x73, Scene::kBigSale, "731942;99.99;"},                    // over the receipt's limit
    {0x74, Scene::kSale, "731942;-20.00;"},                      // below zero
    {0x75, Scene::kFreeSale, "731942;-5.00;0;"},                 // nothing to take from
    {0x76, Scene::kSale, "731942;-1.00;1;"},                     // no sale in group 1
    {0x77, Scene::kService, "731942;0;-100.00;"},                // the till is empty
    {0x78, Scene::kSale, "731942;1;20.00;T-1;"},                 // change from a card
    {0x80, Scene::kFresh, "000000;"},                            //
    {0x81, Scene::kFresh, "731942;4;0;Текст;"},                  // no function 4
    {0x83, Scene::kFresh, "000000;"},                            //
    {0x84, Scene::kFresh, "731942;3;"},                          // no document open
    {0x87, Scene::kFresh, "731942;0;0;"},                        // no switch-on time
    {0x88, Scene::kFresh, "731942;0;50;"},                       // the battery is read only
    {0x89, Scene::kFresh, "731942;65536;"},                      //
    {0xA0, Scene::kFresh, "000000;"},                            //
    {0xA1, Scene::kSale, "731942;1;"},                           // a receipt open
    {0xA2, Scene::kFresh, "731942;010124;311224;0;"},            // no report in the range
    {0xA3, Scene::kFresh, "731942;5;1;0;"},                      // reversed
    {0xA4, Scene::kSale, "731942;0;999;"},                       // a receipt open
    {0xA5, Scene::kNonFiscal, "731942;1;1;"},                    // no such receipt
    {0xA6, Scene::kSale, "731942;0;;;"},                         // a receipt open
    {0xBA, Scene::kFresh, "731942;Мережа;2;1;short;"},           // a WPA pass phrase of five
    {0xBB, Scene::kFresh, "000000;"},                            //
    {0xBC, Scene::kFresh, "000000;"},                            //
    {0xD0, Scene::kFresh, "731942;C0A8000G;901F;"},              // not hexadecimal
    {0xD1, Scene::kFresh, "000000;"},                            //
    {0xE7, Scene::kFresh, "731942;4;;;"},                        // no kind 4
    {0xE8, Scene::kFresh, "731942;"},                            // no source chosen
    {0xEA, Scene::kModemToSend, "731942;7;"},                    // no print flag 7
    {0xEB, Scene::kFresh, "731942;1;5;"},                        // the tape is empty
    {0xEE, Scene::kFresh, "731942;010124;0000;311224;2359;0;"},  // the tape is empty
    {0xF0, Scene::kShift, "731942;"},                            // the shift is open
    {0xF1, Scene::kFresh, "731942;x;"},                          //
    {0xF2, Scene::kFresh, "731942;1048575;2;FFFF;"},             // past the end
    {0xF3, Scene::kFresh, "000000;"},                            //
    {0xFA, Scene::kFresh, "000000;"},                            //
    {0xFB, Scene::kFresh, "731942;2;C0A80001;FFFFFF00;C0A80001;C0A80002;901F;0500;0A00;"},
    {0xFC, Scene::kFresh, "731942;"},  // no session yet
};

// What a registrar holds: its state file, its tape, its status bytes, and
// the memory the state file leaves out.
struct Snapshot {
  std::string stateFile;
  std::vector<std::string> tape;
  std::array<uint8_t, 6> status;
  std::string memory;
  bool operator==(const Snapshot&) const = default;
};

std::string Memory(const RegistrarState& s) {
  std::string m = s.display[0] + "|" + s.display[1] + "|" + s.lastCardTransaction + "|";
  m += std::to_string(s.voiding) + std::to_string(s.beforeVoid.items.size()) + "|";
  for (const std::string& line : s.messageBuffer) m += line + "/";
  m += "|" + std::to_string(static_cast<int>(s.source)) + "," + std::to_string(s.sourceOffset) +
       "," + std::to_string(s.nextPacket) + "|" + std::to_string(s.restartRequested) +
       std::to_string(s.usbStorageMode) + "|" + std::to_string(std::hash<std::string>{}(s.flash));
  return m;
}

Snapshot Take(const Registrar& r) {
  return {StateText(r.state), {r.Tape().begin(), r.Tape().end()}, r.StatusBytes(), Memory(r.state)};
}

std::string Hex(int code) {
  char text[8];
  std::snprintf(text, sizeof text, "%02Xh", code);
  return text;
}

Answer Send(Registrar& r, int code, const char* params) {
  return r.Execute(code, link::Utf8ToCp1251(params));
}

// Brings a fresh registrar into `scene`; false when a step was refused.
bool Prepare(Registrar& r, Scene scene) {
  for (const Step& s : SceneSteps(scene))
    if (Send(r, s.code, s.params).error != "0000") return false;
  if (scene == Scene::kModemToSend) {  // the cable is in, two documents wait
    r.state.modem.ethernet = true;
    r.state.modem.unsent = 2;
    r.state.modem.firstUnsentAt = 1795990000;
  }
  return true;
}

}  // namespace

TEST(Refusals, everyHandlerRefusesWithoutChangingStateStateFileOrTape) {
  std::set<int> covered;
  for (const Case& c : kCases) {
    SCOPED_TRACE(Hex(c.code) + " " + c.request);
    Registrar r;
    r.SetClock([] { return std::time_t{1796000000}; });
    ASSERT_TRUE(Prepare(r, c.scene));
    const Snapshot before = Take(r);
    const Answer a = Send(r, c.code, c.request);
    EXPECT_NE(a.error, "0000");
    const Snapshot after = Take(r);
    EXPECT_EQ(after.stateFile, before.stateFile);
    EXPECT_EQ(after.tape, before.tape);
    EXPECT_EQ(after.status, before.status);
    EXPECT_EQ(after.memory, before.memory);
    covered.insert(c.code);
  }
  const Registrar r;
  int handlers = 0;
  for (int code = 0; code <= 0xFF; ++code) {
    if (!r.Handles(code)) continue;
    ++handlers;
    EXPECT_TRUE(covered.count(code)) << Hex(code) << " has no refusal case";
  }
  EXPECT_EQ(covered.size(), static_cast<size_t>(handlers));
  std::printf("[ refusals ] %d handlers, %zu refusals, none changed anything\n", handlers,
              std::size(kCases));
}

TEST(Refusals, formattedLinesAreLaidOutOrRefusedWithTheFormattedLineCodes) {
  struct Line {
    const char* sent;
    const char* error;
    const char* printed;  // on the 32-column tape of this model
  };
  RegistrarOptions narrow;
  narrow.model = "Tesmar MP-01";
  const Line lines[] = {
      {"%MHJc*** Контрольная лента ***", "0000", "   *** Контрольная лента ***"},
      {"%MNJlЛіворуч", "0000", "Ліворуч"},
      {"%MNJrПраворуч", "0000", "                        Праворуч"},
      {"%MNP05Від п'ятої", "0000", "     Від п'ятої"},
      {"%MWJcШИРОКО", "0000", "          Ш И Р О К О"},
      {"%MNJc", "0000", ""},
      {"%MH", "00F0", nullptr},                     // no place
      {"%MNP5x", "00F0", nullptr},                  // a column of one digit
      {"%XHJcРядок", "01F0", nullptr},              // no type X
      {"%MQJcРядок", "02F0", nullptr},              // no font Q
      {"%MHJxРядок", "03F0", nullptr},              // no alignment x
      {"%MHKcРядок", "03F0", nullptr},              // neither J nor P
      {"%MNP32Рядок", "04F0", nullptr},             // column 32 of 32
      {"%MNP30Рядок", "04F0", nullptr},             // does not fit from 30
      {"%MWJcДУЖЕ ДОВГИЙ РЯДОК", "04F0", nullptr},  // 39 columns wide
  };
  for (const Line& l : lines) {
    SCOPED_TRACE(l.sent);
    for (const Step& doc : {Step{0x60, "731942;"}, Step{0x63, "731942;1;1;0;"}}) {
      Registrar r(narrow);
      ASSERT_EQ(TapeWidth(r), 32u);
      ASSERT_EQ(Send(r, doc.code, doc.params).error, "0000");
      const Snapshot before = Take(r);
      EXPECT_EQ(Send(r, 0x61, (std::string("731942;") + l.sent + ";").c_str()).error, l.error);
      if (l.printed) {
        ASSERT_EQ(r.Tape().size(), before.tape.size() + 1);
        EXPECT_EQ(link::Cp1251ToUtf8(r.Tape().back()), l.printed);
      } else {
        EXPECT_EQ(Take(r), before);
      }
    }
  }
}
