// Reports printed inside a service document: open it (60h with the default
// password), print the report, close it (65h).
#pragma once

#include <QString>

#include "app/command_path.h"
#include "link/formatters.h"

namespace tesmar::reports {

struct ServiceDocumentSteps {
  QString documentTitle;  // the failure title of the opening and the closing
  QString reportTitle;    // and of the report
  // Whether a refused report still closes the document; when not, the void
  // and close window closes it.
  bool closeAfterFailedReport = true;
};

template <class Report>
void PrintInServiceDocument(app::CommandPath& path, const ServiceDocumentSteps& s,
                            Report&& report) {
  if (!path.decoded(
          s.documentTitle, [](link::Driver & d) -> auto& {
            return link::OpenNonFiscalReceipt(d, app::kDefaultPassword);
          }))
    return;
  if (!path.decoded(s.reportTitle, std::forward<Report>(report)) && !s.closeAfterFailedReport)
    return;
  path.decoded(
      s.documentTitle,
      [](link::Driver & d) -> auto& { return link::CloseFiscalReceipt(d, app::kDefaultPassword); });
}

}  // namespace tesmar::reports
