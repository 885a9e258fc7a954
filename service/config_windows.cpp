#include "service/config_windows.h"

#include "service/date_time_dialog.h"
#include "service/decimal_point_dialog.h"
#include "service/factory_number_dialog.h"
#include "service/fiscal_params_dialog.h"
#include "service/fiscalization_dialog.h"
#include "service/header_text_dialog.h"
#include "service/operators_dialog.h"
#include "service/passwords_dialog.h"
#include "service/payment_types_dialog.h"
#include "service/registrar_params_dialog.h"

namespace tesmar::service {

using app::Menu;
using app::Row;

app::WindowTable ConfigWindows() {
  return {
      Row<HeaderTextDialog>(Menu::Utilities, 1, Tesmar::mark("Заголовок чека и рекламный текст")),
      Row<OperatorsDialog>(Menu::Utilities, 2, Tesmar::mark("Параметры операторов")),
      Row<PasswordsDialog>(Menu::Utilities, 4, Tesmar::mark("Пароли")),
      Row<PaymentTypesDialog>(Menu::Utilities, 3, Tesmar::mark("Параметры оплаты")),
      Row<DateTimeDialog>(Menu::Utilities, 8, Tesmar::mark("Дата и время")),
      Row<FactoryNumberDialog>(Menu::FiscalParameters, 1, Tesmar::mark("Установить заводской номер")),
      Row(Menu::FiscalParameters, 2, Tesmar::mark("Чтение и программирование"),
          [](app::WindowServices& w) {
            return new FiscalParamsDialog(w.ctx, w.status, w.confirm, w.result, w.parent);
          }),
      Row<FiscalizationDialog>(Menu::FiscalParameters, 8, Tesmar::mark("Фискализация")),
      Row(Menu::FiscalParameters, 3, Tesmar::mark("Параметры регистратора"),
          [](app::WindowServices& w) {
            return new RegistrarParamsDialog(w.ctx, w.status, {w.currentPort, w.selectSpeed},
                                             w.parent);
          }),
      Row<DecimalPointDialog>(Menu::FiscalParameters, 7, Tesmar::mark("Позиция десятичной точки")),
  };
}

}  // namespace tesmar::service
