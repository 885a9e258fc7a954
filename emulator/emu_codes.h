// Command codes the emulator answers: the program's own names, and a few
// names of the emulator's for the same codes.
#pragma once

#include "command_codes.h"

namespace tesmar::emu::cmd {

using namespace link::cmd;

inline constexpr int kVoid = link::cmd::kVoidOperation;
inline constexpr int kZeroGoodsBase = link::cmd::kClearGoodsBase;
inline constexpr int kPeriodicReportByDate = link::cmd::kFindReportByDate;
inline constexpr int kPeriodicReportByNumber = link::cmd::kPrintPeriodicReport;
inline constexpr int kGoodsReport = link::cmd::kPrintGoodsReport;
inline constexpr int kAdditionalReport = link::cmd::kPrintAdditionalReport;

}  // namespace tesmar::emu::cmd
