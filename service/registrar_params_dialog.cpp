#include "service/registrar_params_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "service/config_rules.h"
#include "service/config_support.h"
#include "link/formatters.h"
#include "link/ini_profile.h"
#include "app/main_window.h"
#include "app/prompt.h"
#include "app/wire_text.h"

namespace tesmar::service {

namespace {
constexpr const char* kTitle = Tesmar::mark("Печать дневных отчетов");
constexpr const char* kOpenPulse = Tesmar::mark("Импульс открытия денежного ящика (Hex) :");
constexpr const char* kClosePulse = Tesmar::mark("Импульс закрытия денежного ящика (Hex) :");
constexpr const char* kLineLength = Tesmar::mark("Количество символов в одной линии наименования товара:");
constexpr int kKeepSpeed = kSpeedCount;  // "Не изменять"
constexpr int kSmallFontReceipt = 3, kSmallFontControl = 4, kPaper57 = 5;

const QStringList kDocumentCaptions = {Tesmar::mark("Печатать количество-цену вместе"),
                                       Tesmar::mark("Не обнулять базы продаж/товаров"),
                                       Tesmar::mark("Отображать опер. продажи на дисплее"),
                                       Tesmar::mark("Не печатать рекламу в конце чека"),
                                       Tesmar::mark("Выключить обрезчик"),
                                       Tesmar::mark("Печатать логотип пользователя"),
                                       Tesmar::mark("Прогон бумаги под обрезку пустыми строками"),
                                       Tesmar::mark("Не осуществлять прогон бумаги под линию отреза "),
                                       Tesmar::mark("Всегда печатать количество товара"),
                                       Tesmar::mark("Печатать количество позиций в чеке"),
                                       Tesmar::mark("Печатать код товара")};
const QStringList kPrintCaptions = {
    Tesmar::mark("Не печатать контрольную ленту для нефискализированного регистратора"),
    Tesmar::mark("Печатать сокращенную контр. ленту "),
    Tesmar::mark("Продолжить печать после восстановления принтера "),
    Tesmar::mark("Мелкий шрифт в чековой ленте"),
    Tesmar::mark("Мелкий шрифт в контрольной ленте"),
    Tesmar::mark("Использовать бумагу шириной 57 мм")};

// A group of check boxes with "Очистить все" and "Установить все". The
// model hides some options; "Установить все" leaves those as they are, so
// that a write never sets a flag the model does not offer.
QGroupBox* BoxGroup(const QString& title, const QStringList& captions, QList<QCheckBox*>& boxes) {
  auto* group = new QGroupBox(title);
  auto* layout = new QVBoxLayout(group);
  for (const QString& c : captions) layout->addWidget(boxes.emplace_back(new QCheckBox(c)));
  auto* clear = new QPushButton(Tesmar::mark("Очистить все"));
  auto* set = new QPushButton(Tesmar::mark("Установить все"));
  QObject::connect(clear, &QPushButton::clicked, group, [&boxes] {
    for (QCheckBox* b : boxes) b->setChecked(false);
  });
  QObject::connect(set, &QPushButton::clicked, group, [&boxes] {
    for (QCheckBox* b : boxes)
      if (!b->isHidden()) b->setChecked(true);
  });
  layout->addLayout(app::ButtonRow({clear}, set));
  return group;
}

QLineEdit* TwoCharacters() {
  auto* e = new QLineEdit;
  e->setMaxLength(2);
  return e;
}

QString FieldRefusal(const QString& caption, const QString& what) {
  return Tesmar::mark("В поле \"") + caption + Tesmar::mark("\" должно быть ") + what + Tesmar::mark(". Команда не отправлена!");
}
}  // namespace

RegistrarParamsDialog::RegistrarParamsDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                             MainWindowLink main, QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Параметры регистратора"), parent), main_(std::move(main)) {
  speed_ = new QComboBox;
  speed_->addItems(ParamSpeeds());
  speed_->setCurrentIndex(-1);
  contrast_ = new QComboBox;
  contrast_->addItems(ContrastNames());
  openPulse_ = TwoCharacters();
  closePulse_ = TwoCharacters();
  lineLength_ = TwoCharacters();
  auto* top = new QFormLayout;
  top->addRow(Tesmar::mark("Скорость обмена:"), speed_);
  top->addRow(Tesmar::mark("Контрастность печати:"), contrast_);
  auto* fields = new QFormLayout;
  fields->addRow(kOpenPulse, openPulse_);
  fields->addRow(kClosePulse, closePulse_);
  fields->addRow(kLineLength, lineLength_);
  addPasswordRows(fields);
  auto* readButton = new QPushButton(Tesmar::mark("Прочитать"));
  auto* writeButton = new QPushButton(Tesmar::mark("Записать"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(readButton, &QPushButton::clicked, this, &RegistrarParamsDialog::read);
  connect(writeButton, &QPushButton::clicked, this, &RegistrarParamsDialog::write);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  path_.setStatusButton(statusButton_);
  // Two columns, so that the window fits a laptop screen: the document
  // flags on the left, everything else on the right.
  auto* right = new QVBoxLayout;
  right->addLayout(top);
  right->addWidget(BoxGroup(Tesmar::mark("Расширенные параметры печати"), kPrintCaptions, print_));
  right->addLayout(fields);
  right->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addWidget(BoxGroup(Tesmar::mark("Параметры документа"), kDocumentCaptions, document_));
  columns->addLayout(right);
  auto* root = new QVBoxLayout(this);
  root->addLayout(columns);
  root->addLayout(app::ButtonRow({readButton, writeButton, statusButton_}, close));
}

// The speed list starts at the speed the program connected at.
void RegistrarParamsDialog::showEvent(QShowEvent* e) {
  contrast_->setCurrentIndex(0);
  statusButton_->setEnabled(false);
  clearError();
  const app::RegistrarParamOptions& o = ctx_.state.registrarParams;
  if (speed_->currentIndex() < 0 && o.speedIndex >= 0) speed_->setCurrentIndex(o.speedIndex);
  print_[kSmallFontReceipt]->setVisible(o.smallFontReceiptVisible);
  print_[kSmallFontControl]->setVisible(o.smallFontControlVisible);
  print_[kPaper57]->setVisible(o.paper57Visible);
  CommandDialog::showEvent(e);
}

int RegistrarParamsDialog::flags(const QList<QCheckBox*>& boxes, const int* bits) const {
  int v = 0;
  for (int i = 0; i < boxes.size(); ++i)
    if (boxes[i]->isChecked()) v |= bits[i];
  return v;
}

void RegistrarParamsDialog::read() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const app::Sent sent = path_.decoded(
      kTitle, [&](link::Driver & d) -> auto& { return link::ReadRegistrarParameters(d, pwd); });
  if (!sent || !path_.requireFields(*sent.reply, 7)) return;
  const link::ReplyRecord& r = *sent.reply;
  const int speed = ParamSpeeds().mid(0, kSpeedCount).indexOf(ResultField(r, 1).trimmed());
  if (speed >= 0) speed_->setCurrentIndex(speed);
  bool ok = false;
  const int contrast = ResultField(r, 2).toInt(&ok);
  if (ok && contrast >= 0 && contrast < contrast_->count()) contrast_->setCurrentIndex(contrast);
  const int doc = ResultField(r, 3).toInt(nullptr, 16);
  const int prn = ResultField(r, 4).toInt(nullptr, 16);
  for (int i = 0; i < document_.size(); ++i) document_[i]->setChecked(doc & DocumentFlagBits()[i]);
  for (int i = 0; i < print_.size(); ++i) print_[i]->setChecked(prn & PrintFlagBits()[i]);
  openPulse_->setText(ResultField(r, 5));
  closePulse_->setText(ResultField(r, 6));
  lineLength_->setText(ResultField(r, 7));
  ctx_.prompt.showSuccess(Tesmar::mark("Успешно!"));
}

bool RegistrarParamsDialog::typedFields(int& open, int& close, int& length) {
  if (speed_->currentIndex() < 0) {
    ctx_.prompt.showMessage(Tesmar::mark("Не выбрана скорость обмена. Команда не отправлена!"));
    return false;
  }
  const QString hex = Tesmar::mark("шестнадцатеричное число от 00 до FF");
  if (!HexByte(openPulse_->text(), open)) {
    ctx_.prompt.showMessage(FieldRefusal(kOpenPulse, hex));
    return false;
  }
  if (!HexByte(closePulse_->text(), close)) {
    ctx_.prompt.showMessage(FieldRefusal(kClosePulse, hex));
    return false;
  }
  if (!DecimalNumber(lineLength_->text(), length)) {
    ctx_.prompt.showMessage(FieldRefusal(kLineLength, Tesmar::mark("целое число от 0 до 99")));
    return false;
  }
  return true;
}

void RegistrarParamsDialog::write() {
  int open = 0, close = 0, length = 0;
  std::string pwd;
  if (!typedFields(open, close, length) || !typedPassword(pwd)) return;
  const int index = speed_->currentIndex();
  const int speed = index == kKeepSpeed ? 0 : ParamSpeeds()[index].toInt();
  const int doc = flags(document_, DocumentFlagBits().data());
  const int prn = flags(print_, PrintFlagBits().data());
  const int contrast = contrast_->currentIndex();
  const app::Sent sent = path_.decoded(
      kTitle, [&](link::Driver & d) -> auto& {
        return link::ProgramRegistrarParameters(d, pwd, speed, contrast, doc, prn, open, close,
                                                length);
      });
  if (sent) followSpeed();
}

// The registrar works at the new speed once it took 27h: the main window's
// list, tsinit.ini and the serial link follow it.
void RegistrarParamsDialog::followSpeed() {
  app::RegistrarParamOptions& o = ctx_.state.registrarParams;
  const int index = speed_->currentIndex();
  if (index != kKeepSpeed) {
    main_.selectSpeed(ParamSpeeds()[index].toInt());
    o.speedIndex = index;
  }
  const QString speedText = app::MainWindow::Speeds().value(o.speedIndex);
  if (!speedText.isEmpty()) {
    link::IniProfile ini(ctx_.state.configPath.toStdString());
    std::string error;
    if (!ini.WriteString("Communication", "Speed", speedText.toStdString(), &error))
      ctx_.prompt.showMessage(Tesmar::mark("Скорость не сохранена в ") + ctx_.state.configPath + ": " +
                              QString::fromStdString(error));
  }
  // Over the direct USB link there is no serial link to move.
  const bool serial = ctx_.driver.SerialActive() && !speedText.isEmpty();
  if (serial) ctx_.driver.CloseSerialLink();
  ctx_.prompt.showSuccess(Tesmar::mark("Успешно!"));
  if (!serial) return;
  const QString port = main_.currentPort();
  if (ctx_.driver.OpenSerialLink(port.toStdString(), speedText.toInt()) < 0) {
    ctx_.prompt.showMessage(Tesmar::mark("Невозможно подключить порт"));
    return;
  }
  ctx_.driver.SerialLink()->SetUsbVirtualCom(ctx_.state.usbVirtualPortFound &&
                                             port == ctx_.state.usbVirtualPort);
}

}  // namespace tesmar::service
