// What every window of the program receives: the shared state, the driver,
// the prompt and the sleep seam. Nothing here is global. Windows send
// through a CommandPath (command_path.h).
#pragma once

#include <QString>
#include <functional>

#include "app/app_state.h"
#include "link/driver.h"
#include "app/prompt.h"

namespace tesmar::app {

struct AppContext {
  AppState& state;
  link::Driver& driver;
  Prompt& prompt;
  link::Sleeper& sleeper;
  // The main window's status bar.
  std::function<void(const QString&)> showStatus = [](const QString&) {};
};

// Reply field `n` (numbered from 1) as a decimal number; 0 when not a number.
int FieldNumber(const link::ReplyRecord& r, int n);
// Reply field `n` (numbered from 1) as text; empty when the reply has fewer
// fields (the record's further fields belong to older replies).
QString ResultField(const link::ReplyRecord& r, int n);
// PaymentTypeCount from reply field 11 of 80h: 10 when it reads as 0.
int PaymentTypesFrom(const link::ReplyRecord& r);
// "   Модель:" + field 1 + ",    Версия:" + field 2 + ",     " + field 3 + "."
QString ModelStatusLine(const link::ReplyRecord& r);

}  // namespace tesmar::app
