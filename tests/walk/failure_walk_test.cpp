// Every step of every window, and every command of tesmar-cli, against the
// software registrar with every reply damaged, then with every reply
// refused by NAK: nothing may say "success" and nothing may exit 0.
//
// A clean run of the same walk comes first: it names the steps (the buttons
// that send something) and shows that the walk reaches the success texts it
// looks for, so that a quiet faulty run means something.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTimer>
#include <map>
#include <set>

#include "tests/app/app_harness.h"
#include "emulator/bank_terminal_device.h"
#include "emulator/bank_terminal_pty.h"
#include "app/command_path.h"
#include "link/encoding.h"
#include "link/formatters.h"
#include "app/program_confirm_dialog.h"
#include "program/program_windows.h"
#include "link/receipt_formatters.h"
#include "app/status_bytes_dialog.h"

using namespace tesmar;

namespace {

enum class Line { kClean, kCorrupt, kNak };

const char* Name(Line l) {
  return l == Line::kClean ? "clean" : l == Line::kCorrupt ? "every reply corrupted" : "every NAK";
}

emu::FaultPlan Faults(Line l) {
  emu::FaultPlan f;
  if (l == Line::kCorrupt) f.corrupt = 1;
  if (l == Line::kNak) f.nak = 1;
  return f;
}

// The program's words for a step that went well.
bool SaysSuccess(const QString& text) {
  static const QRegularExpression kSuccess("успешн|успішн|завершен[оа]|Конец файла",
                                           QRegularExpression::CaseInsensitiveOption);
  return text.contains(kSuccess);
}

// Buttons that close a window or stop a run: not steps.
bool NotAStep(const QPushButton* b) {
  static const QSet<QString> kCaptions = {"Закрыть", "Выход",      "Отменить",         "Стоп",
                                          "OK",      "Остановить", "Прервать ожидание"};
  return kCaptions.contains(b->text());
}

// Every text a window shows to a person.
QStringList ShownTexts(const QWidget* w) {
  QStringList out;
  for (const QLabel* l : w->findChildren<QLabel*>()) out << l->text();
  for (const QLineEdit* e : w->findChildren<QLineEdit*>()) out << e->text();
  for (const QPlainTextEdit* e : w->findChildren<QPlainTextEdit*>()) out << e->toPlainText();
  for (const QTextEdit* e : w->findChildren<QTextEdit*>()) out << e->toPlainText();
  for (const QListWidget* l : w->findChildren<QListWidget*>())
    for (int i = 0; i < l->count(); ++i) out << l->item(i)->text();
  return out;
}

QStringList Successes(const QStringList& texts) {
  QStringList out;
  for (const QString& t : texts)
    if (SaysSuccess(t)) out << t;
  return out;
}

// The field of a form row by its caption.
QLineEdit* Field(QWidget* w, const QString& caption) {
  for (QLabel* l : w->findChildren<QLabel*>())
    if (l->text() == caption)
      if (auto* e = qobject_cast<QLineEdit*>(l->buddy())) return e;
  return nullptr;
}

void Type(QWidget* w, const QString& caption, const QString& text) {
  QLineEdit* e = Field(w, caption);
  ASSERT_NE(e, nullptr) << caption.toStdString() << " in " << w->metaObject()->className();
  e->setText(text);
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// While alive, closes every modal dialog a step opens, keeping its texts:
// the programming question is answered "Продолжить" with every box checked.
class ModalCloser {
 public:
  ModalCloser() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* w = QApplication::activeModalWidget();
      auto* d = qobject_cast<QDialog*>(w);
      if (!d) return;
      texts << ShownTexts(d);
      if (auto* confirm = qobject_cast<app::ProgramConfirmDialog*>(d)) {
        for (int i = 0; i < 3; ++i) confirm->box(i)->setChecked(true);
        confirm->press(true);
        return;
      }
      d->reject();
    });
    timer_.start();
  }
  QStringList texts;

 private:
  QTimer timer_;
};

struct StepResult {
  QString window, step;
  long frames = 0;
  QStringList successes;
  QStringList messages;  // everything the step said
};

std::ostream& operator<<(std::ostream& os, const StepResult& s) {
  return os << s.window.toStdString() << " / " << s.step.toStdString() << " (" << s.frames
            << " frames): " << s.successes.join(" | ").toStdString() << " ["
            << s.messages.join(" | ").toStdString() << "]";
}

// A script that identifies, reads the clock and prints a line.
constexpr const char* kScript =
    "80731942;\r\n21731942;\r\n60731942;\r\n61731942;WALK;\r\n65731942;0;\r\n";

emu::RegistrarOptions WalkModel() {
  emu::RegistrarOptions o;
  o.flashSize = 4096;
  o.restartSilenceMs = 0;
  return o;
}

// The program connected to the emulator (and to a bank terminal), every
// window made from the tables, the files the steps ask for ready.
struct WalkHarness : test::AppHarness {
  emu::VirtualTerminal terminal;
  emu::TerminalPty terminalPty{terminal};
  ModalCloser modals;

  // The electronic journal "КСЕФ" makes every payment type but cash a card
  // payment through the terminal.
  WalkHarness()
      : AppHarness(WalkModel(), {},
                   "[Fiscal Printer]\r\nHeadFootPar=1\r\n[Priority]\r\nElJournal=КСЕФ\r\n") {
    Rebuild(program::ProgramWindows());
    std::string error;
    if (!terminalPty.Open(&error)) throw std::runtime_error(error);
    terminalPty.Start();
    makeFiles();
    prompt.fileFor = [this](const QString& filter) { return fileFor(filter); };
  }
  ~WalkHarness() { terminalPty.Stop(); }

  QString File(const QString& name) const { return QDir(dir.path()).filePath(name); }

  void makeFiles() {
    WriteBytes(File("goods.art"), QByteArray::fromStdString(link::Utf8ToCp1251(
                                      "101;Хліб;10.50;0;1;\r\n202;Молоко;30.00;1;2;\r\n")));
    WriteBytes(File("script.txt"), kScript);
    WriteBytes(File("dump_0_100.bin"), QByteArray(100, '\x5A'));
    QImage logo(16, 8, QImage::Format_Mono);
    logo.fill(0);
    for (int x = 0; x < 16; x += 2) logo.setPixel(x, x / 2, 1);
    ASSERT_TRUE(logo.save(File("logo.bmp"), "BMP"));
  }

  // The fiscal memory's write reads the dump; everything else that asks for
  // a name gets a fresh one to write.
  QString fileFor(const QString& filter) {
    if (filter.contains("*.art")) return File("goods.art");
    if (filter.contains("*.txt")) return File("script.txt");
    if (filter.contains("BMP")) return File("logo.bmp");
    if (filter.contains("*.bin")) return writingFlash ? File("dump_0_100.bin") : File("flash.bin");
    if (filter.contains("HEX")) return File("firmware.hex");
    return File("saved.out");
  }
  bool writingFlash = false;

  long Frames() const { return registrar->session.Counters().requests; }

  // The line goes bad (or stays clean) from now on.
  void SetLine(Line l) {
    registrar->server.Stop();
    registrar->session.SetFaults(Faults(l));
    registrar->server.Start();
  }
};

// What each window needs typed before its steps can send anything, by the
// captions of its fields.
using Typing = std::vector<std::pair<QString, QString>>;
const std::map<QString, Typing>& TypedFields() {
  static const Typing kNetwork = {{"Статический IP-адрес:", "10.0.0.1"},
                                  {"Маска подсети:", "255.255.255.0"},
                                  {"Шлюз:", "10.0.0.1"},
                                  {"Порт:", "8080"},
                                  {"Периодичность связи (мин):", "10"},
                                  {"Повторная попытка (сек):", "30"}};
  static const std::map<QString, Typing> kFields = {
      {"tesmar::app::CommandTestDialog", {{"Код команды:", "80"}}},
      {"tesmar::service::FiscalMemoryDialog",
       {{"Адрес начала данных (номер байта):", "0"},
        {"Количество байтов для чтения.записи:", "300"}}},
      {"tesmar::service::FactoryNumberDialog", {{"Заводской номер:", "ЕК12345678"}}},
      {"tesmar::service::FiscalizationDialog",
       {{"Заводской номер ККМ:", "ЕК12345678"},
        {"Пароль налогового инспектора:", "123456"},
        {"Повторите ввод пароля:", "123456"}}},
      // A price whose total the payments of 1.00 leave open.
      {"tesmar::sales::FiscalReceiptDialog", {{"Цена за ед.:", "10.00"}}},
      {"tesmar::service::OperatorsDialog",
       {{"Номер оператора:", "1"}, {"Имя:", "WALK"}, {"Пароль оператора:", "0001"}}},
      {"tesmar::service::PaymentTypesDialog", {{"Наименование:", "WALK"}, {"Номер:", "5"}}},
      {"tesmar::service::IdDevDialog", {{"ID_DEV:", "305419896"}}},
      {"tesmar::service::RegistrarParamsDialog",
       {{"Импульс открытия денежного ящика (Hex) :", "0A"},
        {"Импульс закрытия денежного ящика (Hex) :", "1F"},
        {"Количество символов в одной линии наименования товара:", "20"}}},
      {"tesmar::service::RemoteAccessDialog", kNetwork},
      {"tesmar::service::AcquirerLinkDialog", kNetwork},
      {"tesmar::reports::PeriodicReportDialog",
       {{"Номер первого отчета:", "1"}, {"Номер последнего отчета:", "1"}}},
  };
  return kFields;
}

void Prepare(QDialog* w) {
  const QString type = w->metaObject()->className();
  if (const auto it = TypedFields().find(type); it != TypedFields().end())
    for (const auto& [caption, text] : it->second) Type(w, caption, text);
  if (type == "tesmar::service::AcquirerLinkDialog") Type(w, "Адрес назначения:", "10.0.0.2");
  if (type == "tesmar::service::RemoteAccessDialog")
    Type(w, "Адрес сервера удаленного доступа:", "10.0.0.2");
  if (type == "tesmar::service::RegistrarParamsDialog")
    w->findChildren<QComboBox*>().at(0)->setCurrentIndex(11);  // "Не изменять"
  if (type == "tesmar::sales::FiscalReceiptDialog") w->findChild<QListWidget*>()->setCurrentRow(0);
  if (type == "tesmar::script::MonitorWindow")
    w->findChildren<QLineEdit*>().at(0)->setText("80");  // the code box
  if (type == "tesmar::sales::NonFiscalReceiptDialog")
    w->findChild<QPlainTextEdit*>()->setPlainText("WALK");
}

// What one step needs just before its button is pressed.
void BeforeStep(WalkHarness& h, QDialog* w, QPushButton* b) {
  const QString type = w->metaObject()->className();
  h.writingFlash = b->text() == "Записать флеш-память";
  if (type == "tesmar::service::LogoDialog" && b->text() == "Программировать") {
    // The sizes come from 80h at the activation; with a bad line they are
    // not known, and the upload is still tried with the picture's own.
    Type(w, "Размер для загрузки (по X):", "16");
    Type(w, "Размер для загрузки (по Y):", "8");
  } else if (type == "tesmar::sales::FiscalReceiptDialog" && b->text() == "Оплатить") {
    for (QLineEdit* e : w->findChildren<QLineEdit*>())
      if (e->text() == "0.00") e->setText("1.00");
  } else if (type == "tesmar::service::ServiceCountersDialog" && b->text() == "Установить") {
    emit w->findChild<QComboBox*>("counters")->activated(1);  // a counter that may be set
  }
}

// The choices under which one button sends different commands: each is a
// step of its own.
using Variant = std::pair<QString, std::function<void(QDialog*)>>;
std::vector<Variant> Variants(QDialog* w, QPushButton* b) {
  const QString type = w->metaObject()->className();
  const auto choices = [&](int combo, int count) {
    std::vector<Variant> out;
    for (int i = 0; i < count; ++i)
      out.push_back({QString(" [%1]").arg(i), [combo, i](QDialog* d) {
                       d->findChildren<QComboBox*>().at(combo)->setCurrentIndex(i);
                     }});
    return out;
  };
  if (type == "tesmar::service::HeaderTextDialog" && b->text() == "Выполнить") return choices(0, 9);
  if (type == "tesmar::reports::ExtraDailyReportsDialog" && b->text() == "Отчет")
    return choices(0, 3);
  if (type == "tesmar::reports::PeriodicReportDialog" && b->text() == "Сделать отчет")
    return choices(0, 2);
  if (type == "tesmar::sales::FiscalReceiptDialog" && b->text() == "Оплатить") {
    // A card through the bank terminal, then cash.
    QComboBox* payment = nullptr;
    for (QComboBox* c : w->findChildren<QComboBox*>())
      if (c->count() >= 2 && c->itemText(1) == "1") payment = c;
    return {{" [карта]", [payment](QDialog*) { payment->setCurrentIndex(1); }},
            {" [наличные]", [payment](QDialog*) { payment->setCurrentIndex(0); }}};
  }
  if (type == "tesmar::service::IdDevDialog" && b->text() == "Прочитать ID_DEV") {
    std::vector<Variant> out;
    for (QRadioButton* r : w->findChildren<QRadioButton*>())
      out.push_back({" [" + r->text() + "]", [r](QDialog*) { r->setChecked(true); }});
    return out;
  }
  return {{QString(), [](QDialog*) {}}};
}

// Before the clean activation of the window that closes and voids receipts:
// a fiscal receipt with its payment done, so that both may be tried.
void BeforeActivation(WalkHarness& h, QDialog* w) {
  if (QString(w->metaObject()->className()) != "tesmar::sales::VoidCloseDialog") return;
  link::Driver& d = h.driver;
  int r = 0;
  link::OpenFiscalReceipt(d, app::kDefaultPassword, 1, 1, 0);
  link::AddArticleLine(d, app::kDefaultPassword, link::Utf8ToCp1251("101;Хліб;10.50;0;1;"));
  link::SellArticle(d, app::kDefaultPassword, 101, 1, 10.5, r);
  link::Payment(d, app::kDefaultPassword, 0, 10.5, r);
}

class Walk {
 public:
  Walk(WalkHarness& h, Line line) : h_(h), line_(line) {}

  void run() {
    h_.Connect();
    h_.state.terminalPort = QString::fromStdString(h_.terminalPty.Path());
    h_.prompt.messages.clear();
    h_.SetLine(line_);
    step("Главное окно", "Состояние регистратора", [&] { h_.window->checkStatus(); });
    for (QDialog* w : h_.window->windows()) walkWindow(w);
    walkWindow(&h_.window->statusDialog());
    // The connect itself, last: it may leave the program disconnected.
    h_.window->serialButton();
    step("Главное окно", "Подключить", [&] { h_.window->serialButton(); });
    connected = h_.state.connected;
  }

  std::vector<StepResult> steps;
  bool connected = false;

 private:
  template <class Press>
  void step(const QString& window, const QString& name, Press press, QWidget* shown = nullptr) {
    const long frames = h_.Frames();
    const qsizetype messages = h_.prompt.messages.size();
    const QStringList before = shown ? Successes(ShownTexts(shown)) : QStringList();
    h_.modals.texts.clear();
    press();
    QApplication::processEvents();
    StepResult r{window, name, h_.Frames() - frames, {}, h_.prompt.messages.mid(messages)};
    r.successes << Successes(h_.prompt.messages.mid(messages)) << Successes(h_.modals.texts)
                << Successes({h_.window->statusText()});
    if (shown)
      for (const QString& t : Successes(ShownTexts(shown)))
        if (!before.contains(t)) r.successes << t;
    steps.push_back(r);
  }

  // The activation on the bad line; then, so that the steps after it can
  // be tried, an activation on a good line before the line goes bad again.
  void walkWindow(QDialog* w) {
    const QString title = w->metaObject()->className();
    step(
        title, "(открытие)", [&] { w->show(); }, w);
    w->hide();
    h_.SetLine(Line::kClean);
    BeforeActivation(h_, w);
    w->show();
    QApplication::processEvents();
    Prepare(w);
    h_.SetLine(line_);
    for (QPushButton* b : w->findChildren<QPushButton*>()) {
      if (NotAStep(b) || b->isHidden()) continue;
      for (const auto& [label, choose] : Variants(w, b)) {
        choose(w);
        BeforeStep(h_, w, b);
        if (!b->isEnabled()) {
          steps.push_back({title, b->text() + label + " (недоступна)", 0, {}, {}});
          continue;
        }
        step(
            title, b->text() + label, [&] { b->click(); }, w);
      }
    }
    w->hide();
  }

  WalkHarness& h_;
  Line line_;
};

std::set<std::pair<QString, QString>> SendingSteps(const std::vector<StepResult>& steps) {
  std::set<std::pair<QString, QString>> out;
  for (const StepResult& s : steps)
    if (s.frames > 0) out.insert({s.window, s.step});
  return out;
}

struct WindowWalk {
  std::vector<StepResult> steps;
  int cardPayments = 0;
  bool connected = false;
};

WindowWalk WalkWindows(Line line) {
  WalkHarness h;
  Walk walk(h, line);
  walk.run();
  return {walk.steps, h.terminal.Payments(), walk.connected};
}

// --- tesmar-cli --------------------------------------------------------------------------

struct CliRun {
  QString what;
  int exitCode = -1;
  QString output;
};

// tesmar-cli against a registrar on a pty whose line has `faults`.
class CliWalk {
 public:
  explicit CliWalk(Line line) : registrar_(WalkModel(), Faults(line)) {
    const QString d = dir_.path();
    WriteBytes(d + "/script.txt", kScript);
    WriteBytes(d + "/dump_0_100.bin", QByteArray(100, '\x5A'));
  }

  std::vector<CliRun> run() {
    const QString d = dir_.path();
    std::vector<CliRun> runs;
    for (const QStringList& args :
         {QStringList{"send", "80", "731942;"}, QStringList{"send", "21", "731942;"},
          QStringList{"run", d + "/script.txt"},
          QStringList{"flash", "read", "--start", "0", "--count", "300", d + "/flash.bin"},
          QStringList{"flash", "write", d + "/dump_0_100.bin"}, QStringList{"flash", "clear"},
          QStringList{"firmware", "read", d + "/firmware.hex"}})
      runs.push_back(cli(args));
    return runs;
  }

 private:
  CliRun cli(QStringList args) {
    CliRun r = once(args);
    // The clearing asks for --yes where the program asks for it.
    if (args.mid(0, 2) == QStringList{"flash", "clear"} && r.exitCode == 64)
      r = once(args << "--yes");
    return r;
  }
  CliRun once(const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(TESMAR_CLI, QStringList{"-p", registrar_.Path(), "--config", dir_.path()} + args);
    const bool finished = p.waitForFinished(120000);
    return {args.join(' '), finished ? p.exitCode() : -1, QString::fromUtf8(p.readAll())};
  }

  QTemporaryDir dir_;
  test::EmulatedRegistrar registrar_;
};

}  // namespace

TEST(FailureWalk, noWindowStepSaysSuccessWhenEveryReplyIsDamagedOrRefused) {
  const WindowWalk clean = WalkWindows(Line::kClean);
  const auto sending = SendingSteps(clean.steps);
  int cleanSuccesses = 0;
  for (const StepResult& s : clean.steps) {
    if (!s.successes.isEmpty()) ++cleanSuccesses;
    if (qEnvironmentVariableIsSet("WALK_STEPS")) std::cout << "clean: " << s << "\n";
  }
  // The walk reaches the program's success texts and the card payment.
  EXPECT_GE(cleanSuccesses, 25);
  std::set<QString> windows;
  int transfers = 0;
  for (const auto& [window, step] : sending) {
    windows.insert(window);
    if (window.endsWith("FiscalMemoryDialog") || window.endsWith("FirmwareReadDialog")) ++transfers;
  }
  std::cout << "the walk: " << sending.size() << " steps that send, in " << windows.size()
            << " windows, " << transfers << " of them transfers\n";
  EXPECT_EQ(clean.cardPayments, 1);
  EXPECT_TRUE(clean.connected);

  for (Line line : {Line::kCorrupt, Line::kNak}) {
    const WindowWalk bad = WalkWindows(line);
    std::set<std::pair<QString, QString>> covered;
    for (const StepResult& s : bad.steps) {
      if (qEnvironmentVariableIsSet("WALK_STEPS")) std::cout << Name(line) << ": " << s << "\n";
      if (s.frames > 0 || sending.count({s.window, s.step})) {
        EXPECT_TRUE(s.successes.isEmpty()) << Name(line) << ": " << s;
      }
      if (s.frames > 0) covered.insert({s.window, s.step});
    }
    for (const auto& [window, step] : sending)
      EXPECT_TRUE(covered.count({window, step}))
          << Name(line) << ": " << window.toStdString() << " / " << step.toStdString()
          << " sent nothing: the walk did not try it";
    EXPECT_EQ(bad.cardPayments, 0) << Name(line) << ": the bank terminal took a payment";
    EXPECT_FALSE(bad.connected) << Name(line);
    std::cout << Name(line) << ": " << covered.size() << " steps tried, the clean run's "
              << sending.size() << " among them\n";
  }
}

TEST(FailureWalk, noCliCommandExitsZeroWhenEveryReplyIsDamagedOrRefused) {
  for (const CliRun& r : CliWalk(Line::kClean).run())
    EXPECT_EQ(r.exitCode, 0) << "clean: " << r.what.toStdString() << "\n" << r.output.toStdString();
  for (Line line : {Line::kCorrupt, Line::kNak})
    for (const CliRun& r : CliWalk(line).run()) {
      if (qEnvironmentVariableIsSet("WALK_STEPS"))
        std::cout << Name(line) << ": tesmar-cli " << r.what.toStdString() << " exit " << r.exitCode
                  << "\n";
      EXPECT_NE(r.exitCode, 0) << Name(line) << ": " << r.what.toStdString() << "\n"
                               << r.output.toStdString();
      // Bad usage or a time-out would mean the command was never tried.
      EXPECT_NE(r.exitCode, 64) << Name(line) << ": " << r.what.toStdString();
      EXPECT_NE(r.exitCode, -1) << Name(line) << ": " << r.what.toStdString();
    }
}
