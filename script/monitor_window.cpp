#include "script/monitor_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <ctime>

#include "app/command_path.h"
#include "link/encoding.h"
#include "link/ini_profile.h"
#include "link/reply_decoder.h"
#include "app/status_bytes_dialog.h"
#include "app/variables_window.h"
#include "app/wire_text.h"

namespace tesmar::script {

using app::FromWire;

namespace {

constexpr const char* kBadCode = Tesmar::mark("Неверный код команды!");
constexpr const char* kTimeout = Tesmar::mark("Ошибка выполнения команды. Таймаут");
constexpr const char* kChecksum = Tesmar::mark("Неверная контрольная сумма");
constexpr int kRecentPathBuffer = 500;

int HexValue(QChar c) {
  const int v = QString(c).toInt(nullptr, 16);
  return QString("0123456789abcdefABCDEF").contains(c) ? v : -1;
}

QString StatusText(const link::ReplyRecord& r) {
  QString s;
  for (uint8_t b : r.status) s += QString("%1 ").arg(b, 2, 16, QChar('0')).toUpper();
  return s;
}

QString Printable(std::string_view bytes) {
  return QString::fromStdString(link::PrintableCp1251(bytes));
}

}  // namespace

MonitorWindow::MonitorWindow(app::AppContext& ctx, app::StatusBytesDialog& status,
                             app::VariablesWindow& variables, MainWindowLink main, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      statusDialog_(status),
      variables_(variables),
      variablesAlive_(&variables),
      main_(std::move(main)),
      runner_(new ScriptRunner(ctx.driver, static_cast<ScriptHost&>(*this), ctx.sleeper)) {
  setWindowTitle(Tesmar::mark("Монитор для фискального регистратора + запуск скриптов"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  resize(709, 564);

  log_ = new QPlainTextEdit;
  log_->setReadOnly(true);
  QFont big = log_->font();
  big.setPointSizeF(big.pointSizeF() * 1.2);
  log_->setFont(big);

  auto* group = new QGroupBox(Tesmar::mark("Выполнение команды"));
  code_ = new QLineEdit;
  code_->setMaxLength(2);
  password_ = new QLineEdit("731942");
  password_->setMaxLength(6);
  data_ = new QLineEdit;
  error_ = new QLineEdit;
  status_ = new QLineEdit;
  error_->setReadOnly(true);
  status_->setReadOnly(true);
  saved_ = new QListWidget;
  execute_ = new QPushButton(Tesmar::mark("Выполнить"));
  auto* repeatButton = new QPushButton(Tesmar::mark("Повторить команду"));
  toList_ = new QPushButton(Tesmar::mark("В список"));
  auto* question = new QPushButton(".?.");
  auto* clear = new QPushButton(Tesmar::mark("Очистить сообщения"));
  auto* gl = new QGridLayout(group);
  gl->addWidget(new QLabel(Tesmar::mark("Код:")), 0, 0);
  gl->addWidget(code_, 0, 1);
  gl->addWidget(new QLabel(Tesmar::mark("Пароль:")), 0, 2);
  gl->addWidget(password_, 0, 3);
  gl->addWidget(new QLabel(Tesmar::mark("Данные:")), 1, 0);
  gl->addWidget(data_, 1, 1, 1, 3);
  gl->addWidget(new QLabel(Tesmar::mark("Код ошибки:")), 2, 0);
  gl->addWidget(error_, 2, 1);
  gl->addWidget(new QLabel(Tesmar::mark("Статус:")), 2, 2);
  gl->addWidget(status_, 2, 3);
  gl->addWidget(saved_, 0, 4, 4, 1);
  auto* gb = new QHBoxLayout;
  for (QPushButton* b : {execute_, repeatButton, toList_, question, clear}) gb->addWidget(b);
  gl->addLayout(gb, 3, 0, 1, 4);
  group->setEnabled(false);  // until the window is first activated

  files_ = new QComboBox;
  openFile_ = new QPushButton(Tesmar::mark("Открыть файл"));
  lineBox_ = new QLineEdit("0");
  noRepaint_ = new QCheckBox(Tesmar::mark("Не перерисовывать форму"));
  noOutput_ = new QCheckBox(Tesmar::mark("Не выводить данные"));
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(new QLabel(Tesmar::mark("Имя  файла:")));
  fileRow->addWidget(files_, 1);
  fileRow->addWidget(openFile_);
  fileRow->addWidget(new QLabel(Tesmar::mark("Ном. стр. скрипта:")));
  fileRow->addWidget(lineBox_);
  auto* checks = new QHBoxLayout;
  checks->addWidget(noRepaint_);
  checks->addWidget(noOutput_);
  auto* bottom = new QHBoxLayout;
  QPushButton* runButton = new QPushButton(Tesmar::mark("Выполнить"));
  QPushButton* stopButton = new QPushButton(Tesmar::mark("Стоп"));
  QPushButton* continueButton = new QPushButton(Tesmar::mark("Продолжить"));
  QPushButton* stepButton = new QPushButton(Tesmar::mark("Шаг"));
  QPushButton* variablesButton = new QPushButton(Tesmar::mark("Переменные"));
  QPushButton* quit = new QPushButton(Tesmar::mark("Выход"));
  for (QPushButton* b : {runButton, stopButton, continueButton, stepButton, variablesButton, quit})
    bottom->addWidget(b);

  auto* root = new QVBoxLayout(this);
  root->addWidget(log_, 1);
  root->addWidget(group);
  root->addLayout(fileRow);
  root->addLayout(checks);
  root->addLayout(bottom);

  // Enter belongs to the boxes (code -> data, data -> send), never to a
  // default button as well.
  for (QPushButton* b : findChildren<QPushButton*>()) b->setAutoDefault(false);
  connect(code_, &QLineEdit::textChanged, this, &MonitorWindow::codeChanged);
  connect(password_, &QLineEdit::textChanged, this, &MonitorWindow::updateExecuteButton);
  connect(code_, &QLineEdit::returnPressed, data_, qOverload<>(&QWidget::setFocus));
  connect(data_, &QLineEdit::returnPressed, this, [this] { executeSingle(true); });
  connect(execute_, &QPushButton::clicked, this, [this] { executeSingle(false); });
  connect(repeatButton, &QPushButton::clicked, this, &MonitorWindow::repeat);
  connect(toList_, &QPushButton::clicked, this, &MonitorWindow::addToList);
  connect(saved_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { useSavedLine(item->text()); });
  connect(question, &QPushButton::clicked, this, [this] {
    if (!ctx_.state.model.isEmpty()) statusDialog_.exec();
  });
  connect(clear, &QPushButton::clicked, this, [this] {
    log_->clear();
    repaint();
  });
  connect(files_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i < 0) return;
    currentFile_ = files_->itemText(i);
    lineBox_->setText("0");
    runner_->ClearVariables();
  });
  connect(openFile_, &QPushButton::clicked, this, &MonitorWindow::openFile);
  connect(runButton, &QPushButton::clicked, this, &MonitorWindow::run);
  connect(stopButton, &QPushButton::clicked, this, &MonitorWindow::stop);
  connect(continueButton, &QPushButton::clicked, this, &MonitorWindow::continueRun);
  connect(stepButton, &QPushButton::clicked, this, &MonitorWindow::step);
  connect(variablesButton, &QPushButton::clicked, this, &MonitorWindow::showVariables);
  connect(quit, &QPushButton::clicked, this, &QDialog::accept);
}

MonitorWindow::~MonitorWindow() {
  if (variablesAlive_) variables_.release();  // its owner keeps it, not this window
}

// Activation.
void MonitorWindow::showEvent(QShowEvent* e) {
  findChild<QGroupBox*>()->setEnabled(true);
  execute_->setEnabled(true);
  toList_->setEnabled(true);
  openFile_->setEnabled(true);
  code_->setFocus();
  runner_->ClearStop();
  runner_->Seed(static_cast<unsigned>(std::time(nullptr)));
  readRecentScripts();
  QDialog::showEvent(e);
}

void MonitorWindow::hideEvent(QHideEvent* e) {
  variables_.release();
  QDialog::hideEvent(e);
}

// --- single commands ---------------------------------------------------------------------

void MonitorWindow::codeChanged() {
  updateExecuteButton();
  if (execute_->isEnabled()) convertCode();
}

void MonitorWindow::updateExecuteButton() {
  execute_->setEnabled(code_->text().size() == 2 && password_->text().size() == 6);
}

// The code stays in force until the next conversion; a bad digit keeps what
// was built before it.
void MonitorWindow::convertCode() {
  const QString t = code_->text();
  const int hi = HexValue(t[0]);
  if (hi < 0) {
    commandCode_ = 0;
    ctx_.prompt.showMessage(kBadCode);
    return;
  }
  commandCode_ = hi * 16;
  const int lo = HexValue(t[1]);
  if (lo < 0) {
    ctx_.prompt.showMessage(kBadCode);
    return;
  }
  commandCode_ += lo;
}

bool MonitorWindow::replyFailed(const link::ReplyRecord* r) {
  if (!ctx_.driver.Message().empty()) return true;  // already shown by the exchange
  if (!r) {
    ctx_.prompt.showMessage(Tesmar::mark("Обмен с регистратором еще не закончен!"));
    return true;
  }
  const link::Outcome outcome = link::OutcomeOf(*r);
  if (!outcome.lineFailure()) return false;
  switch (outcome.kind) {
    case link::OutcomeKind::kNoAnswer:
      ctx_.prompt.showMessage(kTimeout);
      break;
    case link::OutcomeKind::kChecksum:
      ctx_.prompt.showMessage(kChecksum);
      break;
    default:
      ctx_.prompt.showMessage(QString::fromUtf8(link::OutcomeText(outcome.kind)));
      break;
  }
  return true;
}

void MonitorWindow::executeSingle(bool enterVariant) {
  std::string params;
  if (!app::WireField(ctx_.prompt, Tesmar::mark("Данные:"), password_->text() + ";" + data_->text(), params))
    return;
  app::CommandPath path(ctx_);
  const app::Sent out =
      path.send([&](link::Driver & d) -> auto& { return d.ExecuteCommand(commandCode_, params); });
  if (!out.reply || replyFailed(out.reply)) return;
  const link::ReplyRecord& r = *out.reply;
  const std::string_view sent = r.sentFrame.View(), raw = r.rawReply.View();
  if (!noOutput_->isChecked()) {
    if (enterVariant) {
      appendLog("PC: " + Printable(sent.substr(1)));
      appendLog("FP: " + Printable(raw.substr(raw.empty() ? 0 : 1)));
    } else {
      appendLog("PC: (" + code_->text() + ")" +
                Printable(sent.size() > 10 ? sent.substr(4, sent.size() - 10) : ""));
      appendLog("FP: " + Printable(raw.size() > 14 ? raw.substr(1, raw.size() - 14) : ""));
    }
  }
  error_->setText(FromWire(r.errorCode.View()));
  if (!enterVariant) status_->setText(StatusText(r));
}

void MonitorWindow::repeat() {
  const link::ReplyRecord* r = ctx_.driver.RepeatPreviousCommand(false);
  if (r) ctx_.state.lastReply = r;
  if (!ctx_.driver.Message().empty())
    ctx_.prompt.showMessage(QString::fromStdString(ctx_.driver.Message()));
  if (replyFailed(r)) return;
  if (!noOutput_->isChecked()) {
    appendLog("PC: " + Printable(r->sentFrame.View().substr(1)));
    appendLog("FP: " + Printable(r->rawReply.View().substr(r->rawReply.Empty() ? 0 : 1)));
  }
  error_->setText(FromWire(r->errorCode.View()));
  status_->setText(StatusText(*r));
}

void MonitorWindow::addToList() {
  saved_->addItem(code_->text() + "->" + data_->text());
}

void MonitorWindow::useSavedLine(const QString& line) {
  code_->setText(line.left(2));
  data_->setText(line.mid(4));
}

void MonitorWindow::appendLog(const QString& line) {
  log_->appendPlainText(line);
}

// --- recent script files ------------------------------------------------------------------

int MonitorWindow::numFiles() const {
  link::IniProfile ini(ctx_.state.configPath.toStdString());
  return std::clamp(ini.GetInt("Files", "NumFiles", 5), 5, 20);
}

void MonitorWindow::readRecentScripts() {
  link::IniProfile ini(ctx_.state.configPath.toStdString());
  recent_.clear();
  files_->blockSignals(true);
  files_->clear();
  for (int i = 1; i <= numFiles(); ++i) {
    const QString f = QString::fromStdString(
        ini.GetString("Files", "File" + std::to_string(i), "", kRecentPathBuffer));
    recent_ << f;
    if (!f.isEmpty()) files_->addItem(f);
  }
  files_->setCurrentIndex(-1);
  files_->blockSignals(false);
  currentFile_.clear();
}

void MonitorWindow::writeRecentScripts() {
  link::IniProfile ini(ctx_.state.configPath.toStdString());
  for (int i = 0; i < recent_.size(); ++i)
    ini.WriteString("Files", "File" + std::to_string(i + 1), recent_[i].toStdString());
}

void MonitorWindow::openFile() {
  const QString name =
      ctx_.prompt.openFileName(Tesmar::mark("Открыть файл"), Tesmar::mark("Текстовые файлы (*.txt *.TXT);;Все (*)"));
  if (name.isEmpty()) return;
  currentFile_ = name;
  lineBox_->setText("0");
  runner_->ClearVariables();
  const int at = recent_.indexOf(name);
  files_->blockSignals(true);
  if (at >= 0) {
    files_->setCurrentIndex(files_->findText(name));
  } else {
    recent_.prepend(name);
    while (recent_.size() > numFiles()) recent_.removeLast();
    writeRecentScripts();
    files_->clear();
    for (const QString& f : recent_)
      if (!f.isEmpty()) files_->addItem(f);
    files_->setCurrentIndex(0);
  }
  files_->blockSignals(false);
}

QString MonitorWindow::currentFile() const {
  return currentFile_;
}

// --- the script runner ------------------------------------------------------------------

void MonitorWindow::run() {
  runner_->Run(currentFile().toStdString());
}

void MonitorWindow::stop() {
  runner_->Stop();
}

void MonitorWindow::continueRun() {
  if (currentFile().isEmpty()) {
    ctx_.prompt.showMessage(Tesmar::mark("Внимание! Файл не выбран!"));
    return;
  }
  runner_->Continue(currentFile().toStdString(), lineBox_->text().toLong());
}

void MonitorWindow::step() {
  if (currentFile().isEmpty()) {
    ctx_.prompt.showMessage(Tesmar::mark("Внимание! Файл не выбран!"));
    return;
  }
  long line = lineBox_->text().toLong();
  runner_->Step(currentFile().toStdString(), line);
  lineBox_->setText(QString::number(line));
}

void MonitorWindow::showVariables() {
  QTableWidget* grid = variables_.grid();
  const int count = static_cast<int>(runner_->Variables().size());
  if (grid->rowCount() < count + 2) grid->setRowCount(count + 2);
  grid->setItem(0, 1, new QTableWidgetItem(Tesmar::mark("Переменные")));
  grid->setItem(0, 2, new QTableWidgetItem(Tesmar::mark("Значения")));
  for (int row = 1; row <= count + 1; ++row)
    grid->setItem(row, 0, new QTableWidgetItem(QString::number(row)));
  variables_.showBeside(*this);
}

// --- ScriptHost -----------------------------------------------------------------------------

void MonitorWindow::Message(const std::string& utf8) {
  ctx_.prompt.showMessage(QString::fromStdString(utf8));
}

void MonitorWindow::Log(const std::string& bytes) {
  appendLog(Printable(bytes));
}

// The line's code becomes the code in force, as if typed: "Выполнить" and
// Enter then send what the box shows. The runner has already refused a line
// whose code is not two hexadecimal digits, so the conversion shows nothing.
void MonitorWindow::ShowCommand(const std::string& code, const std::string& password,
                                const std::string& data) {
  password_->setText(FromWire(password));
  data_->setText(FromWire(data));
  code_->blockSignals(true);  // converted once, below, even when the text is unchanged
  code_->setText(FromWire(code));
  code_->blockSignals(false);
  updateExecuteButton();
  if (code_->text().size() == 2) convertCode();
}

void MonitorWindow::ShowReply(const std::string& errorCode, const std::string& status) {
  error_->setText(FromWire(errorCode));
  status_->setText(QString::fromStdString(status));
}

void MonitorWindow::ShowLineNumber(long n) {
  lineBox_->setText(QString::number(n));
  lineBox_->repaint();
}

void MonitorWindow::VariableDeclared(int row, const std::string& name) {
  variables_.setRow(row, {QString::number(row), FromWire(name), "", ""});
}

void MonitorWindow::VariableSet(int row, const std::string& value) {
  variables_.grid()->setItem(row, 2, new QTableWidgetItem(FromWire(value)));
}

void MonitorWindow::ReplyReceived(const link::ReplyRecord& reply) {
  ctx_.state.lastReply = &reply;
}

void MonitorWindow::ProcessEvents() {
  QApplication::processEvents();
}

void MonitorWindow::Repaint() {
  repaint();
}

bool MonitorWindow::SuppressOutput() {
  return noOutput_->isChecked();
}

bool MonitorWindow::NoRepaint() {
  return noRepaint_->isChecked();
}

bool MonitorWindow::ReopenSerial(int baud, std::string& port) {
  const QString name = main_.currentPort ? main_.currentPort() : QString();
  port = name.toStdString();
  ctx_.driver.CloseSerialLink();
  if (ctx_.driver.OpenSerialLink(port, baud) < 0) return false;
  if (main_.selectSpeed) main_.selectSpeed(baud);
  return true;
}

}  // namespace tesmar::script
