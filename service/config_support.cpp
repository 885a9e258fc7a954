#include "service/config_support.h"

#include <QHeaderView>
#include <QTableWidget>

#include "app/prompt.h"
#include "app/refusal_hint.h"
#include "link/reply_decoder.h"
#include "app/wire_text.h"

namespace tesmar::service {

bool JudgePrefixed(app::AppContext& ctx, const app::Sent& sent, const QString& prefix) {
  if (!sent.reply) return false;
  const link::DecodedReply d = link::DecodeReplyError(*sent.reply);
  if (!d.ok)
    ctx.prompt.showRefusal(prefix + QString::fromStdString(d.text), app::RefusalHint(*sent.reply));
  return d.ok;
}

void FitGridToContents(QTableWidget* grid) {
  grid->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
  grid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  int width = 2 * grid->frameWidth();
  for (int c = 0; c < grid->columnCount(); ++c)
    if (!grid->isColumnHidden(c)) width += grid->columnWidth(c);
  const int height = 2 * grid->frameWidth() + grid->rowCount() * kGridRowHeight;
  grid->setFixedSize(width, height);
}

}  // namespace tesmar::service
