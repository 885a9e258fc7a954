#include "config_support.h"

#include "prompt.h"
#include "reply_decoder.h"

namespace tesmar::service {

bool JudgePrefixed(app::AppContext& ctx, const app::Sent& sent, const QString& prefix) {
  if (!sent.reply) return false;
  const link::DecodedReply d = link::DecodeReplyError(*sent.reply);
  if (!d.ok) ctx.prompt.showMessage(prefix + QString::fromStdString(d.text));
  return d.ok;
}

}  // namespace tesmar::service
