// The report kinds the registrar takes, and the texts several report
// windows share.
#pragma once

namespace tesmar::reports {

// A1h kinds.
inline constexpr int kZReport = 0;
inline constexpr int kXReport = 1;
inline constexpr int kControlTapeZeroing = 2;
inline constexpr int kControlTapeUnload = 5;
// A6h kinds, in the order of the additional reports list.
inline constexpr int kByDepartments = 0;
inline constexpr int kByOperators = 1;
inline constexpr int kControlTapeOutput = 2;

inline constexpr const char* kDailyReportsTitle = Tesmar::mark("Печать дневных отчетов");
// Asked before a Z report, which closes the shift for good.
inline constexpr const char* kZReportQuestion =
    Tesmar::mark("Z-отчет закроет смену и запишет ее итоги в фискальную память.");
// The heading line printed before the control tape (its format prefix included).
inline constexpr const char* kControlTapeHeading = "%MHJc*** Контрольная лента ***";

}  // namespace tesmar::reports
