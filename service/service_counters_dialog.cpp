#include "service/service_counters_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/formatters.h"
#include "app/wire_text.h"

namespace tesmar::service {

namespace {
constexpr int kBatteryCounter = 0;     // read only
constexpr int kUsbStorageCounter = 3;  // the registrar leaves the serial line
}  // namespace

const QStringList& ServiceCounterNames() {
  static const QStringList kNames = {
      Tesmar::mark("Напряжение аккумулятора"),
      Tesmar::mark("Выбор режима связи"),
      Tesmar::mark("Время засыпания аппарата при бездействии аппарата "),
      Tesmar::mark("Режим USB накопителя"),
      Tesmar::mark("Активация сенсора открытия крышки контрольной ленты(1- активирован)"),
      Tesmar::mark("Подкладной бланк"),
      Tesmar::mark("Способ хранения описания кассиров"),
      Tesmar::mark("Обновление служебных сообщений"),
      Tesmar::mark("Выгрузка журналу на карту если карта рабочая и есть свободное место"),
      Tesmar::mark("Маленький шрифт чека"),
      Tesmar::mark("Тип дисплея"),
      Tesmar::mark("Размер свободной памяти в байтах"),
      Tesmar::mark("Не выводить комментарии в XML"),
      Tesmar::mark("Открывать ящик автоматически"),
      Tesmar::mark("Надбавки/скидки в отчете (0 - выводить, 1 - нет)"),
      Tesmar::mark("Включить датчик крышки"),
      Tesmar::mark("Установить значение MTU для фрагмента данных TCP (500-1460)"),
      Tesmar::mark("Не печатать (0) сумму денег в кассе в чеках внесения изъятия"),
      Tesmar::mark("Печатаь (1) в чеках продажи и возврата налоговые ставки с оборотом 0"),
      Tesmar::mark("Автоматическая печать (1) ответов об отправке документов на сервер ДПС "),
      Tesmar::mark("Включить (1) удаленный доступ (0 - выключить)"),
      Tesmar::mark("Принудительная отправка данных информационному эквайру (1)"),
      Tesmar::mark("Индикация сообщений об ошибках для FP-3530T. 0 (по умолчанию)  - отключена, 1 - "
      "включена."),
      Tesmar::mark("Установка текущего значения секунд в часах реального времени."),
  };
  return kNames;
}

ServiceCountersDialog::ServiceCountersDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                             std::function<void()> closeSerialLink, QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Служебные счетчики"), parent),
      closeSerialLink_(std::move(closeSerialLink)) {
  list_ = new QComboBox;
  list_->setObjectName("counters");
  list_->addItems(ServiceCounterNames());
  value_ = new QLineEdit;
  value_->setObjectName("value");
  read_ = new QPushButton(Tesmar::mark("Прочитать"));
  set_ = new QPushButton(Tesmar::mark("Установить"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  for (QPushButton* b : {read_, set_, close}) b->setAutoDefault(false);
  connect(list_, &QComboBox::activated, this, &ServiceCountersDialog::choose);
  connect(read_, &QPushButton::clicked, this, &ServiceCountersDialog::readCounter);
  connect(set_, &QPushButton::clicked, this, &ServiceCountersDialog::setCounter);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* group = new QGroupBox(Tesmar::mark("Чтение счетчиков"));
  auto* groupForm = new QFormLayout(group);
  groupForm->addRow(Tesmar::mark("Служебный счетчик:"), list_);
  groupForm->addRow(Tesmar::mark("Значение:"), value_);
  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Пароль:"), password_);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addWidget(group);
  root->addLayout(app::ButtonRow({read_, set_}, close));
}

void ServiceCountersDialog::showEvent(QShowEvent* e) {
  list_->setCurrentIndex(0);
  read_->setEnabled(true);
  set_->setEnabled(false);
  value_->clear();
  CommandDialog::showEvent(e);
}

void ServiceCountersDialog::applyButtonRules() {
  const int n = list_->currentIndex();
  read_->setEnabled(n < 3 || n > 5);
  set_->setEnabled(n != kBatteryCounter);
}

void ServiceCountersDialog::choose(int counter) {
  list_->setCurrentIndex(counter);
  value_->clear();
  if (counter == 1 || counter == 2) value_->setText("0");
  applyButtonRules();
}

void ServiceCountersDialog::readCounter() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const int n = list_->currentIndex();
  const app::Sent s = path_.decoded(
      Tesmar::mark("Чтение служебных счетчиков"), [&](link::Driver & d) -> auto& {
        return link::ReadServiceParameter(d, pwd, n);
      });
  if (!s || !path_.requireFields(*s.reply, 1)) return;
  const bool shown = n == 2 || s.reply->fieldCount == 1;
  value_->setText(shown ? app::FromWire(s.reply->Field(0)) : QString());
  ctx_.prompt.showSuccess(Tesmar::mark("Успешно!"));
}

void ServiceCountersDialog::setCounter() {
  std::string pwd;
  int value = 0;
  if (!typedPassword(pwd)) return;
  if (!value_->text().trimmed().isEmpty() &&
      !typedNumber(Tesmar::mark("Значение:"), value_, value, std::numeric_limits<int>::min()))
    return;
  const int n = list_->currentIndex();
  if (!path_.decoded(
          Tesmar::mark("Установка служебных счетчиков"), [&](link::Driver & d) -> auto& {
            return link::SetServiceParameter(d, pwd, n, value);
          }))
    return;
  ctx_.prompt.showSuccess(Tesmar::mark("Успешно!"));
  if (n != kUsbStorageCounter || !ctx_.driver.SerialActive()) return;
  closeSerialLink_();
  if (!ctx_.driver.SerialActive()) accept();
}

}  // namespace tesmar::service
