// Maintenance: the reminder of the next service visit with its message
// (34h builds the message line by line, 35h sets the reminder, 36h reads
// it, 84h prints its report) and the 24 service counters (88h, 89h).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tesmar::emu {

struct Domain;

inline constexpr int kServiceCounters = 24;
// Counter 3: the registrar becomes a USB storage device and leaves the
// serial line silent until it is switched off.
inline constexpr int kUsbStorageCounter = 3;

struct MaintenanceState {
  std::map<int, long long> serviceParameters;  // counters set so far
  bool usbStorageMode = false;                 // not kept across runs
  std::vector<std::string> messageBuffer;      // 34h lines, Windows-1251
  std::vector<std::string> reminderMessage;    // taken over by 35h
  std::string reminderPassword;                // empty: none set yet
  int reminderDate = 0;                        // YYYYMMDD; 0: no reminder
  int reminderDays = 0;
  int reminderMask = 0;
};

// A counter's value: the one set, or what the registrar measures; none for
// a counter never set.
std::optional<long long> ServiceCounter(const MaintenanceState& s, int number);

const Domain& MaintenanceDomain();

}  // namespace tesmar::emu
