// Windows as rows of a table: each subsystem lists its windows (the menu
// item's caption, how to make the window, when the item is enabled) and the
// main window builds its menus from the rows. Adding a window is its file
// pair and one row.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "app_context.h"

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

using WindowFactory = std::function<QDialog*(WindowServices&)>;
using EnablingRule = std::function<bool(const AppState&)>;

struct WindowRow {
  QString caption;  // the menu item, exactly as it reads
  WindowFactory make;
  // Empty: enabled whenever its menu is. Several rows may share a caption;
  // a click opens the first whose rule holds at that moment.
  EnablingRule enabled;
  // For an item the main menu does not list: the menu it is added to.
  QString menu;
  // Shown beside the other windows instead of modally (logs, the tape).
  bool modeless = false;
};

using WindowTable = std::vector<WindowRow>;

// Rules shared by several rows.
bool FirmwareContainsAny(const AppState& s, const QStringList& parts);

// The windows of the application shell: the command console, the free
// resources dialog, the about box.
WindowTable AppWindows();

}  // namespace tesmar::app
