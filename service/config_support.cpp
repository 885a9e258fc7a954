#include "config_support.h"

#include "prompt.h"
#include "reply_decoder.h"
#include "wire_text.h"

namespace tesmar::service {

bool JudgePrefixed(app::AppContext& ctx, const app::Sent& sent, const QString& prefix) {
  if (!sent.reply) return false;
  const link::DecodedReply d = link::DecodeReplyError(*sent.reply);
  if (!d.ok) ctx.prompt.showMessage(prefix + QString::fromStdString(d.text));
  return d.ok;
}

QString ResultField(const link::ReplyRecord& r, int n) {
  return n >= 1 && n <= r.fieldCount ? app::FromWire(r.Field(n - 1)) : QString();
}

}  // namespace tesmar::service
