// The application shell's own windows, and the menus of the main menu.
#include "app/about_box.h"
#include "app/command_test_dialog.h"
#include "app/exchange_log_window.h"
#include "app/resources_status_dialog.h"
#include "app/window_table.h"

namespace tesmar::app {

const std::vector<MenuTitle>& MenuTitles() {
  static const std::vector<MenuTitle> titles = {
      {Menu::Sales, Tesmar::mark("Продажа"), true},
      // Open without a connection for the exchange log; the registrar's
      // items wait for one each.
      {Menu::Commands, Tesmar::mark("Команды"), false},
      {Menu::Reports, Tesmar::mark("Отчеты"), true},
      {Menu::Utilities, Tesmar::mark("Утилиты"), true},
      {Menu::FiscalParameters, Tesmar::mark("Фискальные параметры"), true},
  };
  return titles;
}

WindowTable AppWindows() {
  return {
      Row<CommandTestDialog>(Menu::Commands, 1, Tesmar::mark("Тест команд")).needsConnection(),
      Row(Menu::Commands, 3, Tesmar::mark("Журнал обмена"),
          [](WindowServices& w) { return new ExchangeLogWindow(w.ctx, w.exchangeLog, w.parent); })
          .besideOthers(),
      Row<ResourcesStatusDialog>(Menu::Reports, 1, Tesmar::mark("Информация о свободных ресурсах и статусе")),
      Row(Menu::About, 1, Tesmar::mark("О программе..."),
          [](WindowServices& w) { return new AboutBox(w.parent); }),
  };
}

}  // namespace tesmar::app
