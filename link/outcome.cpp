#include "link/outcome.h"

#include "link/reply_record.h"

namespace tesmar::link {

OutcomeKind ClassifyReply(uint32_t flags, std::string_view errorCode) {
  if (flags & kFlagNoAnswer) return OutcomeKind::kNoAnswer;
  if (flags & kFlagNak) return OutcomeKind::kNak;
  if (flags & kFlagChecksum) return OutcomeKind::kChecksum;
  return errorCode == "0000" ? OutcomeKind::kOk : OutcomeKind::kRefused;
}

OutcomeKind FinalOutcome(OutcomeKind last, bool earlierAnswerLost, bool heard) {
  switch (last) {
    case OutcomeKind::kNak:
      return earlierAnswerLost ? OutcomeKind::kUnknown : OutcomeKind::kNak;
    case OutcomeKind::kNoAnswer:
      return heard ? OutcomeKind::kUnknown : OutcomeKind::kNoAnswer;
    default:
      return last;
  }
}

Outcome OutcomeOf(const ReplyRecord& record, int formatterResult) {
  if (formatterResult < 0) return {OutcomeKind::kFormatterRefused, formatterResult};
  return {record.outcome, 0};
}

std::string_view OutcomeName(OutcomeKind kind) {
  switch (kind) {
    case OutcomeKind::kOk: return "ok";
    case OutcomeKind::kFormatterRefused: return "formatter-refused";
    case OutcomeKind::kNotSent: return "not-sent";
    case OutcomeKind::kNoAnswer: return "no-answer";
    case OutcomeKind::kNak: return "nak";
    case OutcomeKind::kChecksum: return "checksum";
    case OutcomeKind::kRefused: return "refused";
    case OutcomeKind::kUnknown: return "unknown";
  }
  return "?";
}

}  // namespace tesmar::link
