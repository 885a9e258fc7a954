#include "app/command_path.h"

#include <QLineEdit>
#include <QWidget>

#include "app/refusal_hint.h"
#include "link/reply_decoder.h"
#include "app/wire_text.h"

namespace tesmar::app {

QString TitledFailure(const QString& title, const std::string& decodedText) {
  return title + ":\n  " + QString::fromStdString(decodedText);
}

Sent CommandPath::finish(const link::ReplyRecord* r, int refusal) {
  Sent out;
  out.refusal = refusal;
  out.outcome = link::OutcomeOf(*r, refusal);
  if (!out.outcome.sent()) {
    // The driver refuses what it cannot send (no link, an over-long string)
    // and says why; a formatter's refusal is the window's to explain. The
    // record then still holds an older exchange.
    if (out.outcome.kind == link::OutcomeKind::kNotSent && !ctx_.driver.Message().empty())
      ctx_.prompt.showMessage(QString::fromStdString(ctx_.driver.Message()));
    return out;
  }
  ctx_.state.lastReply = r;
  out.reply = r;
  if (errorBox_) errorBox_->setText(FromWire(r->errorCode.View()));
  if (statusButton_) statusButton_->setEnabled(true);
  return out;
}

bool CommandPath::judgeDecoded(const link::ReplyRecord& r, const QString& title,
                               const QString& timeoutText) {
  if (showDriverMessage(r)) return false;
  // A window with its own time-out text names the line's failures alone,
  // without the step's title: they are not the registrar's refusals.
  const link::Outcome outcome = link::OutcomeOf(r);
  if (!timeoutText.isEmpty() && outcome.lineFailure()) {
    ctx_.prompt.showMessage(outcome.kind == link::OutcomeKind::kNoAnswer
                                ? timeoutText
                                : QString::fromUtf8(link::OutcomeText(outcome.kind)));
    return false;
  }
  const link::DecodedReply d = link::DecodeReplyError(r);
  if (!d.ok)
    ctx_.prompt.showRefusal(
        title.isEmpty() ? QString::fromStdString(d.text) : TitledFailure(title, d.text),
        RefusalHint(r));
  return d.ok;
}

bool CommandPath::judgeDirect(const link::ReplyRecord& r, const QString& timeoutText,
                              const QString& errorText) {
  if (showDriverMessage(r)) return false;
  const link::OutcomeKind kind = link::OutcomeOf(r).kind;
  QString text;
  switch (kind) {
    case link::OutcomeKind::kOk: return true;
    case link::OutcomeKind::kNoAnswer: text = timeoutText; break;
    case link::OutcomeKind::kRefused: text = errorText; break;
    default: text = QString::fromUtf8(link::OutcomeText(kind)); break;
  }
  if (!text.isEmpty()) ctx_.prompt.showRefusal(text, RefusalHint(r));
  return false;
}

bool CommandPath::requireFields(const link::ReplyRecord& r, int count) {
  if (r.fieldCount >= count) return true;
  ctx_.prompt.showMessage(kWrongReplyData);
  return false;
}

// A transaction the driver ended itself (its time bound) comes with the
// driver's own explanation, shown instead of the step's.
bool CommandPath::showDriverMessage(const link::ReplyRecord& r) {
  if (link::OutcomeOf(r).ok() || ctx_.driver.Message().empty()) return false;
  ctx_.prompt.showMessage(QString::fromStdString(ctx_.driver.Message()));
  return true;
}

}  // namespace tesmar::app
