#include "sales/tape_copy_dialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "link/formatters.h"
#include "app/date_edit.h"
#include "app/wire_text.h"

namespace tesmar::sales {

namespace {
constexpr const char* kTime = Tesmar::mark("Время:");
constexpr const char* kStartNumber = Tesmar::mark("Начальный номер:");
constexpr const char* kEndNumber = Tesmar::mark("Конечный номер:");
constexpr const char* kTitle = Tesmar::mark("Печать копии чека ");
}  // namespace

void NumberLabel::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(e);
}

void NumberLabel::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit doubleClicked();
  QLabel::mouseDoubleClickEvent(e);
}

bool IsHhmm(const QString& text) {
  static const QRegularExpression kForm("^([01][0-9]|2[0-3])[0-5][0-9]$");
  return kForm.match(text).hasMatch();
}

TapeCopyDialog::TapeCopyDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                               QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Копия чека (\"КСЕФ\")"), parent) {
  // Both commands go out with the default password: no field for it.
  password_->setParent(this);
  password_->hide();
  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Код ошибки:"), error_);
  auto* quit = new QPushButton(Tesmar::mark("Выход"));
  connect(quit, &QPushButton::clicked, this, &QDialog::accept);
  auto* root = new QVBoxLayout(this);
  root->addWidget(datesGroup());
  root->addWidget(numbersGroup());
  root->addLayout(form);
  root->addLayout(app::ButtonRow({statusButton_}, quit));
}

QWidget* TapeCopyDialog::datesGroup() {
  startDate_ = app::TwoDigitYearDateEdit();
  endDate_ = app::TwoDigitYearDateEdit();
  startTime_ = new QLineEdit("1200");
  endTime_ = new QLineEdit("1200");
  print_ = new QCheckBox(Tesmar::mark("напечатать документы"));
  firstFound_ = new NumberLabel;
  lastFound_ = new NumberLabel;
  firstFound_->setObjectName("firstFound");
  lastFound_->setObjectName("lastFound");
  for (NumberLabel* l : {firstFound_, lastFound_}) {
    // Visible while empty, so that the place of the numbers is seen.
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMinimumHeight(l->fontMetrics().height() + 6);
    l->setCursor(Qt::PointingHandCursor);
  }
  auto* run = new QPushButton(Tesmar::mark("Выполнить"));
  connect(run, &QPushButton::clicked, this, &TapeCopyDialog::searchByDates);
  auto* group = new QGroupBox(Tesmar::mark("Поиск и печать документов  по датам"));
  auto* f = new QFormLayout(group);
  f->addRow(Tesmar::mark("Начальная дата:"), startDate_);
  f->addRow(kTime, startTime_);
  f->addRow(Tesmar::mark("Конечная дата:"), endDate_);
  f->addRow(kTime, endTime_);
  f->addRow(print_);
  auto* found = new QHBoxLayout;
  found->addWidget(firstFound_);
  found->addWidget(lastFound_);
  f->addRow(found);
  f->addRow(run);
  // A click on a result hands its number to the field it names; a double
  // click to the other one.
  connect(firstFound_, &NumberLabel::clicked, this,
          [this] { copyNumber(firstFound_, startNumber_); });
  connect(firstFound_, &NumberLabel::doubleClicked, this,
          [this] { copyNumber(firstFound_, endNumber_); });
  connect(lastFound_, &NumberLabel::clicked, this, [this] { copyNumber(lastFound_, endNumber_); });
  connect(lastFound_, &NumberLabel::doubleClicked, this,
          [this] { copyNumber(lastFound_, startNumber_); });
  return group;
}

QWidget* TapeCopyDialog::numbersGroup() {
  startNumber_ = new QLineEdit("1");
  endNumber_ = new QLineEdit("1");
  auto* run = new QPushButton(Tesmar::mark("Выполнить"));
  connect(run, &QPushButton::clicked, this, &TapeCopyDialog::printByNumbers);
  auto* group = new QGroupBox(Tesmar::mark("Печать документов по номерам"));
  auto* f = new QFormLayout(group);
  f->addRow(kStartNumber, startNumber_);
  f->addRow(kEndNumber, endNumber_);
  f->addRow(run);
  return group;
}

void TapeCopyDialog::showEvent(QShowEvent* e) {
  statusButton_->setEnabled(false);
  startDate_->setDate(QDate::currentDate());
  endDate_->setDate(QDate::currentDate());
  CommandDialog::showEvent(e);
}

void TapeCopyDialog::copyNumber(const NumberLabel* from, QLineEdit* to) {
  if (!from->text().isEmpty()) to->setText(from->text());
}

bool TapeCopyDialog::typedTime(QLineEdit* field, std::string& out) {
  if (!IsHhmm(field->text().trimmed())) {
    ctx_.prompt.showMessage(QString(Tesmar::mark("В поле \"%1\" должно быть время из четырех цифр ЧЧММ, "
                                    "например 1200. Команда не отправлена!"))
                                .arg(kTime));
    return false;
  }
  out = app::ToWire(field->text().trimmed());
  return true;
}

// The time-out message, or the error code and the decoder's verdict; the
// reply when it passed.
template <class Send>
const link::ReplyRecord* TapeCopyDialog::sendAndJudge(Send&& send) {
  statusButton_->setEnabled(true);
  clearError();
  const app::Sent s =
      path_.timedDecoded(Tesmar::mark("Ошибка! Таймаут устройства!"), kTitle, std::forward<Send>(send));
  return s.ok ? s.reply : nullptr;
}

void TapeCopyDialog::searchByDates() {
  std::string from, to;
  if (!typedTime(startTime_, from) || !typedTime(endTime_, to)) return;
  const std::string fromDate = app::ToWire(startDate_->date().toString("ddMMyy"));
  const std::string toDate = app::ToWire(endDate_->date().toString("ddMMyy"));
  const int print = print_->isChecked() ? 1 : 0;
  // Numbers of an earlier search would be taken for this one's.
  firstFound_->clear();
  lastFound_->clear();
  const link::ReplyRecord* r = sendAndJudge([&](link::Driver & d) -> auto& {
    return link::PrintTapeByDates(d, app::kDefaultPassword, fromDate, from, toDate, to, print);
  });
  if (!r) return;
  firstFound_->setText(app::ResultField(*r, 1));
  lastFound_->setText(app::ResultField(*r, 2));
}

void TapeCopyDialog::printByNumbers() {
  int first = 0, last = 0;
  if (!typedNumber(kStartNumber, startNumber_, first, 1) ||
      !typedNumber(kEndNumber, endNumber_, last, 1))
    return;
  sendAndJudge([&](link::Driver & d) -> auto& {
    return link::PrintTapeByNumbers(d, app::kDefaultPassword, first, last);
  });
}

}  // namespace tesmar::sales
