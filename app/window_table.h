// Windows as rows of a table: each subsystem lists its windows, and a row
// carries all the main menu knows of its window: the menu and the place in
// it, the item's caption, how the window is made, when the item is enabled
// and when it is shown. The main window builds its menu bar from the rows
// alone, so adding a window is its file pair and one row in its subsystem's
// table; app/ does not change.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "app/app_context.h"

class QDialog;
class QWidget;

namespace tesmar::app {

class StatusBytesDialog;
class VariablesWindow;
class ProgramConfirmDialog;
class OperationResultDialog;
class ExchangeLogModel;

// What a window may be given when it is made: the context and the windows
// every part of the program shares.
struct WindowServices {
  AppContext& ctx;
  StatusBytesDialog& status;
  VariablesWindow& variables;
  ProgramConfirmDialog& confirm;
  OperationResultDialog& result;
  // Every exchange of the program, whichever window sent it.
  ExchangeLogModel& exchangeLog;
  // The main window's serial port box and speed list (the script runner's
  // SetSpeed, the registrar parameters dialog).
  std::function<QString()> currentPort;
  std::function<void(int)> selectSpeed;
  QWidget* parent = nullptr;
  // Service windows: puts the main window in the disconnected state after
  // the serial link was closed from a window (the USB storage counter).
  std::function<void()> closeSerialLink = [] {};
};

// The menus of the main menu, left to right. `About` is an item of the bar
// itself, not a menu.
enum class Menu { Sales, Commands, Reports, Utilities, FiscalParameters, About };

struct MenuTitle {
  Menu menu;
  const char* title;
  // Disabled until a connection and again on disconnect.
  bool whileConnected;
};
// The bar's menus in their order.
const std::vector<MenuTitle>& MenuTitles();

using WindowFactory = std::function<QDialog*(WindowServices&)>;
using StateRule = std::function<bool(const AppState&)>;
using EnablingRule = StateRule;

struct WindowRow {
  Menu menu = Menu::Commands;
  // The item's place in its menu: items are listed by it, lowest first.
  int order = 0;
  QString caption;  // the menu item, exactly as it reads
  WindowFactory make;
  // Empty: enabled whenever its menu is. Several rows may share a caption
  // (and then one item); a click opens the first whose rule holds at that
  // moment.
  StateRule enabled = {};
  // Empty: always shown. An item shared by several rows is shown while one
  // of them is.
  StateRule visible = {};
  // An item of a menu that stays open without a connection whose window
  // needs one (the command test, the script).
  bool whileConnected = false;
  // Shown beside the other windows instead of modally (logs, the tape).
  bool modeless = false;

  WindowRow&& enabledWhen(StateRule rule) && {
    enabled = std::move(rule);
    return std::move(*this);
  }
  WindowRow&& shownWhen(StateRule rule) && {
    visible = std::move(rule);
    return std::move(*this);
  }
  WindowRow&& needsConnection() && {
    whileConnected = true;
    return std::move(*this);
  }
  WindowRow&& besideOthers() && {
    modeless = true;
    return std::move(*this);
  }
};

using WindowTable = std::vector<WindowRow>;

// The usual window: made from the context and the status dialog.
template <class Window>
WindowFactory Make() {
  return [](WindowServices& w) { return new Window(w.ctx, w.status, w.parent); };
}

// A row of `menu` at `order`; the rules follow as `.enabledWhen(...)` and the like.
inline WindowRow Row(Menu menu, int order, const QString& caption, WindowFactory make) {
  WindowRow row;
  row.menu = menu;
  row.order = order;
  row.caption = caption;
  row.make = std::move(make);
  return row;
}

template <class Window>
WindowRow Row(Menu menu, int order, const QString& caption) {
  return Row(menu, order, caption, Make<Window>());
}

// The windows of the application shell: the command console, the free
// resources dialog, the exchange log, the about box.
WindowTable AppWindows();

}  // namespace tesmar::app
