// The application shell's own windows, and the menus of the main menu.
#include "app/about_box.h"
#include "app/command_test_dialog.h"
#include "app/exchange_log_window.h"
#include "app/resources_status_dialog.h"
#include "app/window_table.h"

namespace tesmar::app {

const std::vector<MenuTitle>& MenuTitles() {
  static const std::vector<MenuTitle> titles = {
      {Menu::Sales, "Продажа", true},
      // Open without a connection for the exchange log; the registrar's
      // items wait for one each.
      {Menu::Commands, "Команды", false},
      {Menu::Reports, "Отчеты", true},
      {Menu::Utilities, "Утилиты", true},
      {Menu::FiscalParameters, "Фискальные параметры", true},
  };
  return titles;
}

WindowTable AppWindows() {
  return {
      Row<CommandTestDialog>(Menu::Commands, 1, "Тест команд").needsConnection(),
      Row(Menu::Commands, 3, "Журнал обмена",
          [](WindowServices& w) { return new ExchangeLogWindow(w.ctx, w.exchangeLog, w.parent); })
          .besideOthers(),
      Row<ResourcesStatusDialog>(Menu::Reports, 1, "Информация о свободных ресурсах и статусе"),
      Row(Menu::About, 1, "О программе...",
          [](WindowServices& w) { return new AboutBox(w.parent); }),
  };
}

}  // namespace tesmar::app
