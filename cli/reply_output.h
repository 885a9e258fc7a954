// How tesmar-cli prints a reply: for a person, or as one JSON object.
#pragma once

#include <string>

#include "link/reply_record.h"
#include "script/script_runner.h"
#include "link/text_catalog.h"

namespace tesmar::cli {

std::string ReplyAsJson(const link::ReplyRecord& r);
// Captions, labels and the decoded error in the language of `texts` (an
// empty catalog leaves them Russian); the registrar's data as it came.
std::string ReplyAsText(const link::ReplyRecord& r, const link::TextCatalog& texts = {});
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;   // the registrar answered with an error code
inline constexpr int kExitNoAnswer = 2;  // no answer, NAK, nothing sent: it did not run
inline constexpr int kExitUnknown = 3;   // the answer was lost or damaged: it may have run
inline constexpr int kExitUsage = 64;

int ExitStatusFor(const link::Outcome& outcome);
// A script run's: 0 at the end of the file, kExitUnknown when the command
// that ended it may have run, else 1.
int RunExitStatus(script::Outcome run, link::OutcomeKind lastCommand);

}  // namespace tesmar::cli
