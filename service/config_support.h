// What the configuration windows share beyond the command path: the
// decoded check with a message of a window's own form.
#pragma once

#include <QString>

#include "app/command_path.h"

class QTableWidget;

namespace tesmar::service {

// The height of a grid row, which the check boxes beside a grid follow.
inline constexpr int kGridRowHeight = 24;
// Rows of that height, and a grid as large as its rows and columns, so
// that it shows them all without scrolling.
void FitGridToContents(QTableWidget* grid);

// True when the reply came and the decoder calls it ok; otherwise shows
// `prefix` followed by the decoder's text. Nothing sent is a failure with
// no message (the path said why).
bool JudgePrefixed(app::AppContext& ctx, const app::Sent& sent, const QString& prefix);

using app::ResultField;

}  // namespace tesmar::service
