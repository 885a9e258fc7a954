#include "config_windows.h"

#include "date_time_dialog.h"
#include "decimal_point_dialog.h"
#include "factory_number_dialog.h"
#include "fiscal_params_dialog.h"
#include "fiscalization_dialog.h"
#include "header_text_dialog.h"
#include "operators_dialog.h"
#include "passwords_dialog.h"
#include "payment_types_dialog.h"
#include "registrar_params_dialog.h"

namespace tesmar::service {

namespace {
template <class Window>
app::WindowRow Row(const QString& caption) {
  return {caption,
          [](app::WindowServices& w) { return new Window(w.ctx, w.status, w.parent); },
          {},
          {},
          false};
}
app::WindowRow Row(const QString& caption, app::WindowFactory make) {
  return {caption, std::move(make), {}, {}, false};
}
}  // namespace

app::WindowTable ConfigWindows() {
  return {
      Row<HeaderTextDialog>(Tesmar::mark("Заголовок чека и рекламный текст")),
      Row<OperatorsDialog>(Tesmar::mark("Параметры операторов")),
      Row<PasswordsDialog>(Tesmar::mark("Пароли")),
      Row<PaymentTypesDialog>(Tesmar::mark("Параметры оплаты")),
      Row<DateTimeDialog>(Tesmar::mark("Дата и время")),
      Row<FactoryNumberDialog>(Tesmar::mark("Установить заводской номер")),
      Row(Tesmar::mark("Чтение и программирование"),
          [](app::WindowServices& w) {
            return new FiscalParamsDialog(w.ctx, w.status, w.confirm, w.result, w.parent);
          }),
      Row<FiscalizationDialog>(Tesmar::mark("Фискализация")),
      Row(Tesmar::mark("Параметры регистратора"),
          [](app::WindowServices& w) {
            return new RegistrarParamsDialog(w.ctx, w.status, {w.currentPort, w.selectSpeed},
                                             w.parent);
          }),
      Row<DecimalPointDialog>(Tesmar::mark("Позиция десятичной точки")),
  };
}

}  // namespace tesmar::service
