#include "app/status_bytes_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/command_path.h"
#include "link/formatters.h"
#include "app/wire_text.h"

namespace tesmar::app {

namespace {

const char* const kGroupCaptions[6] = {
    "Статус регистратора - байт 0 (общее состояние)",
    "Статус регистратора - байт 1 (состояние принтера)",
    "Статус регистратора - байт 2 (состояние чека)",
    "Статус регистратора - байт 3 (состояние переключателей)",
    "Статус регистратора - байт 4 (фискальная память)",
    "Статус регистратора - байт 5 (фискальная память)",
};

const char* const kBitCaptions[6][8] = {
    {"(1) Регистратор находится в сервисном режиме", "(2) Буфер документа близок к концу",
     "(4) Дата/ время не установлены после обнуления ОЗУ", "(8) Дисплей не подключен",
     "(10) Механизм печатающего устройства неисправен",
     "(20) Для новых настроек необходимо перегрузить ЭККР", "(40) Другие ошибки оборудования",
     "(80) Всегда установлен"},
    {"(1) Заканчивается чековая лента (для  Datecs FP-T260)",
     "(2) Заканчивается контрольная лента (для  Datecs FP-T260)", "(4) Закончилась чековая лента",
     "(8) Закончилась контрольная лента", "(10) Открыта крышка принтера",
     "(20) Осуществляется ручная протяжка бумаги",
     "(40) Буфер принтера не пуст (есть еще не распечатанные данные)", "(80) Всегда установлен"},
    {"(1) Состояние чека", "(2) Состояние чека", "(4) Состояние чека", "(8) Текущее состояние чека",
     "(10) Открыт чек возврата", "(20) Резерв", "(40) Резерв", "(80) Всегда установлен"},
    {"(1) SIMError", "(2) Memory Card Error", "(4) Автономный режим работы", "(8) Резерв",
     "(10) Резерв", "(20) Версия внутреннего ПО не активирована", "(40) Связь с WiFi модулем",
     "(80) Всегда установлен"},
    {"(1) Заводской номер запрограммирован", "(2) Регистратор фискализирован",
     "(4) В ФП места менее чем на 30 отчетов", "(8) Фискальная память переполнена",
     "(10) ID_DEV установлен", "(20) Регистратор персонализирован",
     "(40) Возникла ошибка фискальной памяти (CRC)", "(80) Всегда установлен"},
    {"(1) Резерв", "(2) Резерв", "(4) Низкий заряд батареи", "(8) Сработало оповещение",
     "(10) Смена открыта", "(20) Часы нуждаются в корректировке",
     "(40) До конца смены(24 часа) осталось меньше 60 минут", "(80) Всегда установлен"},
};

const char* const kReceiptStates[16] = {"0. Документ закрыт",
                                        "1. Отпечатан заголовок чека",
                                        "2. Выполнена операция продажи",
                                        "3. Состояние оплаты",
                                        "4. Завершение",
                                        "5. Произвольный текстовый документ открыт",
                                        "6. Произведена скидка/надбавка на сумму",
                                        "7. Открыт чек  внесения/изъятия",
                                        "8. Резерв",
                                        "9. Режим АННУЛИРОВАНИЕ",
                                        "10.",
                                        "11.",
                                        "12.",
                                        "13.",
                                        "14.",
                                        "15."};

}  // namespace

StatusBytesDialog::StatusBytesDialog(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
  setWindowTitle("Байты состояния регистратора");
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  auto* grid = new QGridLayout;
  for (int byte = 0; byte < 6; ++byte) {
    groups_[byte] = new QGroupBox(kGroupCaptions[byte]);
    groups_[byte]->setEnabled(false);  // the boxes only display
    // Tight rows: six groups of eight boxes must fit a laptop screen.
    auto* v = new QVBoxLayout(groups_[byte]);
    v->setSpacing(0);
    v->setContentsMargins(6, 2, 6, 2);
    for (int bit = 0; bit < 8; ++bit) {
      boxes_[byte][bit] = new QCheckBox(kBitCaptions[byte][bit]);
      v->addWidget(boxes_[byte][bit]);
    }
    grid->addWidget(groups_[byte], byte % 3, byte / 3);
  }
  receiptState_ = new QComboBox;
  receiptState_->setObjectName("receiptState");
  for (const char* s : kReceiptStates) receiptState_->addItem(s);
  receiptState_->setEnabled(false);
  static_cast<QVBoxLayout*>(groups_[2]->layout())->addWidget(receiptState_);

  auto* refreshButton = new QPushButton("Обновить");
  auto* closeButton = new QPushButton("Закрыть");
  refreshButton->setObjectName("refresh");
  connect(refreshButton, &QPushButton::clicked, this, &StatusBytesDialog::refresh);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(refreshButton);
  buttons->addWidget(closeButton);
  auto* root = new QVBoxLayout(this);
  root->addLayout(grid);
  root->addLayout(buttons);
  // As large as every caption needs at the font in use, and no smaller.
  root->setSizeConstraint(QLayout::SetFixedSize);
}

void StatusBytesDialog::setModemCaptions(bool modem) {
  boxes_[5][0]->setText(modem ? "(1)Блокировка 72 часа, данные не переданы" : "(1) Резерв");
  boxes_[5][1]->setText(modem ? "(2)Не все чеки переданы в модем, база товаров не обнулена"
                              : "(2) Резерв");
}

void StatusBytesDialog::fill() {
  const link::ReplyRecord* r = ctx_.state.lastReply;
  for (int byte = 0; byte < 6; ++byte) {
    const uint8_t value = r ? r->status[byte] : 0;
    for (int bit = 0; bit < 7; ++bit) boxes_[byte][bit]->setChecked(value & (1 << bit));
    boxes_[byte][7]->setChecked(true);  // bit 7 is cleared by the driver: always shown set
  }
  receiptState_->setCurrentIndex(r ? r->status[2] & 0x0F : 0);
}

void StatusBytesDialog::refresh() {
  CommandPath path(ctx_);
  const Sent sent = path.decoded(
      "Проверка состояния регистратора",
      [](link::Driver & d) -> auto& { return link::Identify(d, kDefaultPassword); });
  if (!sent) return;
  ctx_.state.paymentTypeCount = PaymentTypesFrom(*sent.reply);
  ctx_.showStatus(ModelStatusLine(*sent.reply));
  fill();
}

void StatusBytesDialog::showEvent(QShowEvent* e) {
  fill();
  QDialog::showEvent(e);
}

}  // namespace tesmar::app
