// Copies and drawers: the cash drawers (83h, 87h), copies of closed receipts
// by their sequential numbers inside a non-fiscal document (A5h), and the
// electronic tape searched and printed by dates (EEh) and by numbers (EBh).
// Every closed fiscal receipt is kept on the electronic tape with its lines.
#pragma once

#include <string>
#include <vector>

namespace tesmar::emu {

struct Domain;
class Registrar;

// One closed receipt as the electronic tape keeps it.
struct TapeDocument {
  int number = 0;                  // the receipt's sequential number
  long long time = 0;              // the registrar's time at its close
  std::vector<std::string> lines;  // Windows-1251, as printed
  bool operator==(const TapeDocument&) const = default;
};

struct CopiesDrawersState {
  std::vector<TapeDocument> electronicTape;  // in the order of closing
  long drawerOpenings = 0;
  long secondDrawerOpenings = 0;
};

// Keeps the receipt `number` that has just been closed on the electronic
// tape: its lines are the control tape's since the end of the document
// before it.
void KeepOnElectronicTape(Registrar& r, int number);

const Domain& CopiesDrawersDomain();

}  // namespace tesmar::emu
