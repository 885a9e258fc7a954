#include "command_path.h"

#include <QLineEdit>
#include <QWidget>

#include "reply_decoder.h"
#include "wire_text.h"

namespace tesmar::app {

bool ReplyOk(const link::ReplyRecord& r) {
  return !(r.flags & link::kFlagNoAnswer) && r.errorCode.View() == "0000";
}

QString TitledFailure(const QString& title, const std::string& decodedText) {
  return title + ":\n  " + QString::fromStdString(decodedText);
}

Sent CommandPath::finish(const link::ReplyRecord* r, int refusal) {
  Sent out;
  out.refusal = refusal;
  if (refusal != 0) return out;  // the formatter refused: nothing went out
  // The driver refuses what it cannot send (no link, an over-long string)
  // and says why; the record then still holds an older exchange.
  if (!ctx_.driver.Message().empty()) {
    ctx_.prompt.showMessage(QString::fromStdString(ctx_.driver.Message()));
    return out;
  }
  ctx_.state.lastReply = r;
  out.reply = r;
  if (errorBox_) errorBox_->setText(FromWire(r->errorCode.View()));
  if (statusButton_) statusButton_->setEnabled(true);
  return out;
}

bool CommandPath::judgeDecoded(const link::ReplyRecord& r, const QString& title) {
  const link::DecodedReply d = link::DecodeReplyError(r);
  if (!d.ok)
    ctx_.prompt.showMessage(title.isEmpty() ? QString::fromStdString(d.text)
                                            : TitledFailure(title, d.text));
  return d.ok;
}

bool CommandPath::judgeDirect(const link::ReplyRecord& r, const QString& timeoutText,
                              const QString& errorText) {
  if (r.flags & link::kFlagNoAnswer) {
    if (!timeoutText.isEmpty()) ctx_.prompt.showMessage(timeoutText);
    return false;
  }
  if (r.errorCode.View() != "0000") {
    if (!errorText.isEmpty()) ctx_.prompt.showMessage(errorText);
    return false;
  }
  return true;
}

}  // namespace tesmar::app
