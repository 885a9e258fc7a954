#include "service/acquirer_link_dialog.h"

#include <QFile>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/atomic_file.h"
#include "link/formatters.h"

namespace tesmar::service {

namespace {
// Eight lines of at most 29 characters; anything much longer is no such file.
constexpr qint64 kMaxSettingsFileBytes = 1024;
}  // namespace

AcquirerLinkDialog::AcquirerLinkDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                       QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Параметры связи"), parent), fields_(Tesmar::mark("Адрес назначения:")) {
  auto* form = new QFormLayout;
  fields_.addRows(form);
  addPasswordRows(form);
  auto* read = new QPushButton(Tesmar::mark("Прочитать настройки сети"));
  auto* set = new QPushButton(Tesmar::mark("Установить настройки сети"));
  auto* print = new QPushButton(Tesmar::mark("Печатать настроек сети"));
  auto* load = new QPushButton(Tesmar::mark("Загрузить из файла"));
  auto* save = new QPushButton(Tesmar::mark("Сохранить в файл"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  connect(read, &QPushButton::clicked, this, &AcquirerLinkDialog::readSettings);
  connect(set, &QPushButton::clicked, this, &AcquirerLinkDialog::setSettings);
  connect(print, &QPushButton::clicked, this, &AcquirerLinkDialog::printSettings);
  connect(load, &QPushButton::clicked, this, &AcquirerLinkDialog::loadFromFile);
  connect(save, &QPushButton::clicked, this, &AcquirerLinkDialog::saveToFile);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* root = new QVBoxLayout(this);
  root->addLayout(form);
  root->addLayout(app::ButtonRow({read, set, print}, statusButton_));
  root->addLayout(app::ButtonRow({load, save}, close));
}

bool AcquirerLinkDialog::judged(const app::Sent& s) {
  return JudgeReply(path_, s, kTimeoutMessage, kRegistrarStateTitle);
}

void AcquirerLinkDialog::readSettings() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const app::Sent s =
      path_.send([&](link::Driver & d) -> auto& { return link::ReadAcquirerLink(d, pwd); });
  if (JudgeReply(path_, s, kTimeoutMessage, kReadSettingsTitle))
    fields_.fill(*s.reply, ctx_.prompt);
}

void AcquirerLinkDialog::setSettings() {
  link::NetworkSettings settings;
  const QString refusal = ParseLinkTexts(fields_.texts(), settings);
  if (!refusal.isEmpty()) {
    ctx_.prompt.showMessage(refusal);
    return;
  }
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const app::Sent s = path_.send([&](link::Driver & d) -> auto& {
    return link::SetAcquirerLink(d, pwd, settings);
  });
  if (judged(s)) ctx_.prompt.showSuccess(kSuccessMessage);
}

// The settings are printed inside a service document, which is closed
// again whatever came of the report: a failed step never leaves it open.
// An opening whose answer was lost may have opened it, and is closed too;
// its failure is the one said.
void AcquirerLinkDialog::printSettings() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  const app::Sent open =
      path_.send([&](link::Driver & d) -> auto& { return link::OpenNonFiscalReceipt(d, pwd); });
  const bool opened = judged(open);
  if (!opened && !open.outcome.mayHaveRun()) return;
  const bool printed = opened && judged(path_.send([&](link::Driver & d) -> auto& {
                         return link::PrintAdditionalReport(d, pwd, 3);
                       }));
  const app::Sent close =
      path_.send([&](link::Driver & d) -> auto& { return link::CloseFiscalReceipt(d, pwd); });
  const bool closed = opened ? judged(close) : close.outcome.ok();
  if (printed && closed) ctx_.prompt.showSuccess(kSuccessMessage);
}

void AcquirerLinkDialog::loadFromFile() {
  const QString name =
      ctx_.prompt.openFileName(Tesmar::mark("Чтение параметров связи из файла"), kSettingsFileFilter);
  if (name.isEmpty()) {
    ctx_.prompt.showMessage(kNoFileMessage);
    return;
  }
  QFile f(name);
  if (!f.open(QIODevice::ReadOnly)) {
    ctx_.prompt.showMessage(Tesmar::mark("Не удалось открыть файл ") + name + ": " + f.errorString());
    return;
  }
  if (f.size() > kMaxSettingsFileBytes) {
    ctx_.prompt.showMessage(kBadSettingsFile);
    return;
  }
  const QByteArray text = f.readAll();
  if (f.error() != QFileDevice::NoError) {
    ctx_.prompt.showMessage(Tesmar::mark("Не удалось прочитать файл ") + name + ": " + f.errorString());
    return;
  }
  link::NetworkSettings settings;
  const QString refusal = ReadSettingsFile(QString::fromUtf8(text), settings);
  if (!refusal.isEmpty()) {
    ctx_.prompt.showMessage(refusal);
    return;
  }
  fields_.show(ShownSettings(settings));
}

void AcquirerLinkDialog::saveToFile() {
  link::NetworkSettings settings;
  const QString refusal = ParseLinkTexts(fields_.texts(), settings);
  if (!refusal.isEmpty()) {
    ctx_.prompt.showMessage(refusal);
    return;
  }
  const QString name =
      ctx_.prompt.saveFileName(Tesmar::mark("Запись параметров связи в файл"), kSettingsFileFilter);
  if (name.isEmpty()) {
    ctx_.prompt.showMessage(kNoFileMessage);
    return;
  }
  std::string error;
  if (!link::WriteFileAtomically(QFile::encodeName(name).toStdString(),
                                 SettingsFileText(settings).toStdString(), &error)) {
    ctx_.prompt.showMessage(Tesmar::mark("Не удалось записать файл ") + name + ": " +
                            QString::fromStdString(error));
    return;
  }
  ctx_.prompt.showSuccess(kSuccessMessage);
}

}  // namespace tesmar::service
