// The program's main menu as it is written down: the menus and their items
// in their order, captions exact, and no window that no item opens.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <set>

#include "tests/support/program_harness.h"
#include "app/tape_window.h"

using namespace tesmar;

namespace {

using Items = std::vector<QString>;
using MenuBar = std::vector<std::pair<QString, Items>>;

// The written menu table; "О программе..." is an item of the bar itself.
const MenuBar kWritten = {
    {"Продажа",
     {"Программировать товары", "Фискальный чек", "Печать нефискального чека",
      "Служебное внесение и изъятие денег", "Аннулирование и закрытие чека"}},
    {"Команды", {"Тест команд", "Запуск скрипта"}},
    {"Отчеты",
     {"Информация о свободных ресурсах и статусе", "Печать дневных отчетов FKP101",
      "Печать дневных отчетов", "Печать периодического отчета ", "Отчет по реализованным товарам",
      "Печать дополнительных дневных отчетов", "Копия фискальных чеков по сквозным номерам"}},
    {"Утилиты",
     {"Заголовок чека и рекламный текст", "Параметры операторов", "Параметры оплаты", "Пароли",
      "Загрузка логотипа", "Чтение внутреннего ПО", "Фискальная память", "Дата и время",
      "Техническое обслуживание", "Служебные счетчики", "Тест денежного ящика"}},
    {"Фискальные параметры",
     {"Установить заводской номер", "Чтение и программирование", "Параметры регистратора",
      "Параметры удаленного доступа", "Параметры настройки WiFi", "Параметры связи с эквайером",
      "Позиция десятичной точки", "Фискализация", "Установить и прочитать ID_DEV",
      "Состояние модема", "Последний сеанс связи с эквайером"}},
    {"О программе...", {}},
};

// Items the program adds to the written menus, at their ends: the exchange
// log, and under "О программе..." the about box and the interface language.
const std::vector<std::pair<QString, QString>> kAdded = {
    {"Команды", "Журнал обмена"},
    {"О программе...", "О программе..."},
    {"О программе...", "Язык интерфейса (со следующего запуска)"}};

MenuBar Built(QMenuBar& bar) {
  MenuBar built;
  for (QAction* a : bar.actions()) {
    Items items;
    if (QMenu* m = a->menu())
      for (QAction* item : m->actions()) items.push_back(item->text());
    built.push_back({a->text(), items});
  }
  return built;
}

}  // namespace

TEST(MenuTable, theBuiltMenuBarIsTheWrittenOneCaptionForCaptionInOrder) {
  test::ProgramHarness h;
  MenuBar expected = kWritten;
  for (const auto& [menu, item] : kAdded)
    for (auto& [title, items] : expected)
      if (title == menu) items.push_back(item);
  const MenuBar built = Built(*h.window->menuBar());
  ASSERT_EQ(built.size(), expected.size());
  for (size_t i = 0; i < built.size(); ++i) {
    EXPECT_EQ(built[i].first, expected[i].first) << "menu " << i;
    EXPECT_EQ(built[i].second, expected[i].second) << expected[i].first.toStdString();
  }
}

// A row whose caption is in no menu would make a window that nothing opens.
TEST(MenuTable, everyRowIsReachableFromAnItem) {
  test::ProgramHarness h;
  std::set<QString> items;
  for (const auto& [menu, captions] : Built(*h.window->menuBar())) {
    items.insert(menu);
    items.insert(captions.begin(), captions.end());
  }
  for (const app::WindowRow& row : program::ProgramWindows()) {
    EXPECT_TRUE(items.count(row.caption)) << row.caption.toStdString();
    ASSERT_NE(h.window->menuItem(row.caption), nullptr) << row.caption.toStdString();
  }
  // Each window made from a row opens from its item when its rule holds:
  // the two receipt copy windows and the two modem windows share theirs.
  EXPECT_EQ(h.window->windows().size(), program::ProgramWindows().size());
}

// The demo's tape window goes after the written items of its menu.
TEST(MenuTable, anAddedRowTakesItsPlaceInItsMenu) {
  test::ProgramHarness h;
  h.window->addWindows({app::TapeWindowRow()});
  const QList<QAction*> items = h.window->menu("Команды")->actions();
  ASSERT_EQ(items.size(), 4);
  EXPECT_EQ(items.back()->text(), "Лента");
  // A row placed between two written items lands between them.
  h.window->addWindows({app::Row(app::Menu::Sales, 3, "Проба",
                                 [](app::WindowServices& w) { return new QDialog(w.parent); })});
  const QList<QAction*> sales = h.window->menu("Продажа")->actions();
  ASSERT_EQ(sales.size(), 6);
  EXPECT_EQ(sales[2]->text(), "Печать нефискального чека");
  EXPECT_EQ(sales[3]->text(), "Проба");
}
