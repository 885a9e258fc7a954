// How every window behaves at the desktop: no button that Enter presses
// unseen, Escape closes it, a failure box with the warning icon under the
// window's own title; questions before what cannot be undone, answered
// "Нет" by Enter.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/app/app_harness.h"
#include "app/command_path.h"
#include "service/config_windows.h"
#include "tests/app/crafted_link.h"
#include "reports/daily_reports_dialog.h"
#include "service/fiscal_memory_dialog.h"
#include "service/fiscal_params_dialog.h"
#include "service/fiscalization_dialog.h"
#include "reports/fkp101_daily_reports_dialog.h"
#include "link/formatters.h"
#include "service/network_windows.h"
#include "app/program_confirm_dialog.h"
#include "app/refusal_hint.h"
#include "reports/report_windows.h"
#include "sales/sales_windows.h"
#include "script/script_windows.h"
#include "service/service_windows.h"
#include "app/status_bytes_dialog.h"
#include "app/window_behaviour.h"

using namespace tesmar;

namespace {

std::vector<app::WindowTable> AllTables() {
  return {script::ScriptWindows(),  reports::ReportWindows(),  sales::SalesWindows(),
          service::ConfigWindows(), service::ServiceWindows(), service::NetworkWindows()};
}

// Every window of every table, and the shared ones.
QList<QDialog*> EveryWindow(app::MainWindow& main) {
  for (const app::WindowTable& t : AllTables()) main.addWindows(t);
  QList<QDialog*> all = main.windows();
  all << &main.statusDialog();
  return all;
}

QString Title(const QWidget* w) {
  return w->windowTitle() + " (" + w->metaObject()->className() + ")";
}

// The behaviour installed on the application for one test.
struct Installed {
  app::WindowBehaviour behaviour;
  explicit Installed(QWidget* anchor) : behaviour(anchor) { qApp->installEventFilter(&behaviour); }
  ~Installed() { qApp->removeEventFilter(&behaviour); }
};

QPushButton* Button(QWidget* w, const QString& caption) {
  for (QPushButton* b : w->findChildren<QPushButton*>())
    if (app::WithoutAccessLetter(b->text()) == caption) return b;
  return nullptr;
}

QLineEdit* Field(QWidget* w, const QString& caption) {
  for (QLabel* l : w->findChildren<QLabel*>())
    if (app::WithoutAccessLetter(l->text()) == caption)
      if (auto* e = qobject_cast<QLineEdit*>(l->buddy())) return e;
  return nullptr;
}

// A box Qt's prompt showed: what a person saw in it.
struct SeenBox {
  QString title, text, defaultButton;
  QMessageBox::Icon icon;
};

// While alive, answers every modal window: a message box is kept and
// closed with the button Enter would press, any other window is rejected.
class BoxWatcher {
 public:
  BoxWatcher() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* w = QApplication::activeModalWidget();
      if (auto* box = qobject_cast<QMessageBox*>(w)) {
        QAbstractButton* enter = box->defaultButton();
        boxes.push_back(
            {box->windowTitle(), box->text(), enter ? enter->text() : QString(), box->icon()});
        if (enter)
          enter->click();
        else
          box->reject();
      } else if (auto* d = qobject_cast<QDialog*>(w); d && d != modalWindow) {
        d->reject();
      }
    });
    timer_.start();
  }
  std::vector<SeenBox> boxes;
  QWidget* modalWindow = nullptr;  // the window under test, left open

 private:
  QTimer timer_;
};

// Buttons that close a window, stop a run or open another window.
bool NotAStep(const QPushButton* b) {
  static const QSet<QString> kCaptions = {"Закрыть",    "Выход",
                                          "Отменить",   "Стоп",
                                          "Остановить", "Прервать ожидание",
                                          "OK",         "Состояние регистратора"};
  return kCaptions.contains(app::WithoutAccessLetter(b->text()));
}

}  // namespace

TEST(DesktopWalk, noWindowHasADefaultButtonEscapeClosesItAndItReopensWhereItWasLeft) {
  test::AppHarness h;
  h.window->show();
  Installed rules(h.window.get());
  const QList<QDialog*> windows = EveryWindow(*h.window);
  ASSERT_GE(windows.size(), 40);
  for (QDialog* w : windows) {
    w->show();
    QApplication::processEvents();
    for (QPushButton* b : w->findChildren<QPushButton*>()) {
      EXPECT_FALSE(b->isDefault()) << Title(w).toStdString() << ": " << b->text().toStdString();
      EXPECT_FALSE(b->autoDefault()) << Title(w).toStdString() << ": " << b->text().toStdString();
    }
    QWidget* focus = w->focusWidget() ? w->focusWidget() : w;
    QTest::keyClick(focus, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(w->isVisible()) << Title(w).toStdString() << ": Escape left it open";
    w->hide();

    // Moved by the user, closed, opened again: where it was left.
    w->show();
    const QPoint movedTo = w->pos() + QPoint(37, 23);
    w->move(movedTo);
    w->hide();
    w->show();
    EXPECT_EQ(w->pos(), movedTo) << Title(w).toStdString();
    w->hide();
  }
}

TEST(DesktopWalk, everyWindowsFailureBoxHasTheWarningIconAndTheWindowsTitle) {
  // The program's own prompt, with Qt's boxes, and no registrar: every step
  // that sends fails.
  test::AppHarness h;
  app::QtPrompt qtPrompt(h.window.get());
  app::AppContext ctx{h.state, h.driver, qtPrompt, h.sleeper};
  app::MainWindow main(ctx, app::PortSources{h.ports, h.usbPorts, {}, {}, {}});
  main.show();
  Installed rules(&main);
  BoxWatcher watcher;
  int windowsWithFailure = 0;
  for (QDialog* w : EveryWindow(main)) {
    watcher.modalWindow = w;
    w->open();
    QApplication::processEvents();
    bool failed = false;
    for (QPushButton* b : w->findChildren<QPushButton*>()) {
      if (NotAStep(b) || !b->isVisible() || !b->isEnabled()) continue;
      watcher.boxes.clear();
      b->click();
      QApplication::processEvents();
      for (const SeenBox& box : watcher.boxes) {
        const std::string where = Title(w).toStdString() + " / " + b->text().toStdString() + ": " +
                                  box.text.toStdString();
        EXPECT_EQ(box.title, w->windowTitle()) << where;
        if (box.icon == QMessageBox::Question) {
          EXPECT_EQ(box.defaultButton,
                    QMessageBox(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No)
                        .button(QMessageBox::No)
                        ->text())
              << where;
          continue;
        }
        EXPECT_EQ(box.icon, QMessageBox::Warning) << where;
        failed = true;
      }
      if (failed) break;
    }
    windowsWithFailure += failed;
    watcher.modalWindow = nullptr;
    w->reject();
    w->hide();
  }
  EXPECT_GE(windowsWithFailure, 30);
}

TEST(DesktopWalk, aMessageBoxIsWideEnoughForItsTitle) {
  const QString title = "Программирование фискальных параметров";
  const int needed =
      QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(title);
  EXPECT_GT(app::MessageBoxWidthFor(title), needed);
  // A success box, titled by the window, with the information icon.
  QDialog window;
  window.setWindowTitle(title);
  app::QtPrompt prompt(&window);
  window.open();
  BoxWatcher watcher;
  watcher.modalWindow = &window;
  prompt.showSuccess("Успешно!");
  ASSERT_EQ(watcher.boxes.size(), 1u);
  EXPECT_EQ(watcher.boxes[0].title, title);
  EXPECT_EQ(watcher.boxes[0].icon, QMessageBox::Information);
}

TEST(AccessLetters, eachTextGetsALetterOfItsOwnAndKeepsOneItHas) {
  const QStringList out = app::WithAccessLetters(
      {"Прочитать", "Программировать", "&Закрыть", "Запись", "A && B", "..."});
  EXPECT_EQ(out[0], "&Прочитать");
  EXPECT_EQ(out[1], "П&рограммировать");  // "П" is taken: the next free letter
  EXPECT_EQ(out[2], "&Закрыть");
  EXPECT_EQ(out[3], "З&апись");
  EXPECT_EQ(out[4], "A && B");  // a text with a plain "&" stays as it is
  EXPECT_EQ(out[5], "...");
  for (int i = 0; i < 4; ++i) EXPECT_EQ(app::WithoutAccessLetter(out[i]).size(), out[i].size() - 1);
  EXPECT_EQ(app::WithoutAccessLetter("A && B"), "A & B");
}

TEST(TabOrder, followsTheRowsOfTheLayoutAndSkipsReadOnlyFields) {
  QDialog d;
  auto* grid = new QGridLayout(&d);
  auto* second = new QLineEdit;  // made first, placed second
  auto* first = new QLineEdit;
  auto* readOnly = new QLineEdit;
  readOnly->setReadOnly(true);
  auto* button = new QPushButton("OK");
  grid->addWidget(second, 1, 0);
  grid->addWidget(first, 0, 0);
  grid->addWidget(readOnly, 0, 1);
  grid->addWidget(button, 2, 0);
  app::OrderTabs(&d);
  EXPECT_EQ(first->nextInFocusChain(), second);
  EXPECT_EQ(readOnly->focusPolicy(), Qt::ClickFocus);
  QWidget* after = second->nextInFocusChain();
  EXPECT_EQ(after, button);
  // Editable again: back in the chain at the next opening.
  readOnly->setReadOnly(false);
  app::OrderTabs(&d);
  EXPECT_EQ(readOnly->focusPolicy(), Qt::StrongFocus);
}

// --- questions before what cannot be undone ------------------------------------------

namespace {

struct Irreversible {
  const char* window;  // class name
  const char* button;
  std::function<void(QDialog*)> prepare = [](QDialog*) {};
};

}  // namespace

TEST(Confirmation, noSendsNothingAndYesSends) {
  test::AppHarness h;
  for (const app::WindowTable& t : AllTables()) h.window->addWindows(t);
  h.Connect();
  ASSERT_TRUE(h.state.connected);
  // The programming question: the taxes alone.
  QTimer confirmer;
  confirmer.setInterval(5);
  QObject::connect(&confirmer, &QTimer::timeout, [] {
    if (auto* c = qobject_cast<app::ProgramConfirmDialog*>(QApplication::activeModalWidget())) {
      c->box(0)->setChecked(false);
      c->box(1)->setChecked(false);
      c->box(2)->setChecked(true);
      c->press(true);
    } else if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      d->reject();
    }
  });
  confirmer.start();
  const std::vector<Irreversible> steps = {
      {"tesmar::reports::DailyReportsDialog", "Z-отчет"},
      {"tesmar::reports::DailyReportsDialog", "Обнуления контрольной ленты"},
      {"tesmar::reports::Fkp101DailyReportsDialog", "Z-отчет"},
      {"tesmar::reports::Fkp101DailyReportsDialog", "Выгрузка и обнуления контрольной ленты"},
      {"tesmar::service::FiscalParamsDialog", "Запрограммировать"},
      {"tesmar::service::FiscalMemoryDialog", "Обнулить флеш-память"},
      {"tesmar::service::FiscalizationDialog", "Фискализация",
       [](QDialog* w) {
         Field(w, "Заводской номер ККМ:")->setText("ЕК12345678");
         Field(w, "Пароль налогового инспектора:")->setText("123456");
         Field(w, "Повторите ввод пароля:")->setText("123456");
       }},
  };
  for (const Irreversible& s : steps) {
    QDialog* w = nullptr;
    for (QDialog* d : h.window->windows())
      if (QString(d->metaObject()->className()) == s.window) w = d;
    ASSERT_NE(w, nullptr) << s.window;
    w->show();
    s.prepare(w);
    QPushButton* b = Button(w, s.button);
    ASSERT_NE(b, nullptr) << s.button;
    for (bool yes : {false, true}) {
      h.prompt.yes = yes;
      h.prompt.questions.clear();
      const long before = h.registrar->session.Counters().requests;
      b->click();
      QApplication::processEvents();
      const long sent = h.registrar->session.Counters().requests - before;
      EXPECT_EQ(h.prompt.questions.size(), 1) << s.window << " / " << s.button;
      if (yes)
        EXPECT_GT(sent, 0) << s.window << " / " << s.button << ": Да sent nothing";
      else
        EXPECT_EQ(sent, 0) << s.window << " / " << s.button << ": Нет sent " << sent;
    }
    w->hide();
  }
  // The USB restart.
  h.prompt.questions.clear();
  h.prompt.yes = false;
  h.state.usbVirtualPort = "/dev/ttyACM0";
  h.window->restoreUsb();
  EXPECT_EQ(h.prompt.questions.size(), 1);
  EXPECT_EQ(h.state.usbVirtualPort, "/dev/ttyACM0");
  h.prompt.yes = true;
  h.window->restoreUsb();
  EXPECT_TRUE(h.state.usbVirtualPort.isEmpty());
}

TEST(Confirmation, theTaxGridSaysWhenItsRatesWereNotRead) {
  test::AppHarness h;
  for (const app::WindowTable& t : AllTables()) h.window->addWindows(t);
  h.Connect();
  auto* w = h.window->find<service::FiscalParamsDialog>();
  ASSERT_NE(w, nullptr);
  w->show();
  auto* note = w->findChild<QLabel*>("ratesNotRead");
  ASSERT_NE(note, nullptr);
  EXPECT_TRUE(note->isVisible());
  link::ProgramSerialNumber(h.driver, app::kDefaultPassword, "SN00001");
  Button(w, "Прочитать")->click();
  EXPECT_FALSE(note->isVisible()) << h.prompt.messages.join(" | ").toStdString();
  w->hide();
}

// --- what to do after a refusal ------------------------------------------------------

TEST(RefusalHint, theWrittenTextStaysTheFirstLineAndTheSecondNamesTheWindow) {
  link::ReplyRecord r;
  r.outcome = link::OutcomeKind::kRefused;
  r.errorCode.Assign("0006");  // a wrong password
  r.fieldCount = 0;
  const QString hint = app::RefusalHint(r);
  EXPECT_TRUE(hint.contains("Утилиты → Пароли")) << hint.toStdString();
  // Shown under the refusal's own text, which stays as it is.
  test::AppHarness h;
  app::CommandPath path(h.ctx);
  path.judgeDecoded(r, "Печать дневных отчетов");
  EXPECT_EQ(h.prompt.messages, QStringList{"Печать дневных отчетов:\n  Неверный пароль доступа!"});
  EXPECT_EQ(h.prompt.advices, QStringList{hint});
  r.errorCode.Assign("0905");  // the shift is over 24 hours
  EXPECT_TRUE(app::RefusalHint(r).contains("Печать дневных отчетов"));
  r.errorCode.Assign("000B");  // a document open
  EXPECT_TRUE(app::RefusalHint(r).contains("Аннулирование и закрытие чека"));
  r.errorCode.Assign("0101");  // no paper
  EXPECT_TRUE(app::RefusalHint(r).contains("бумагу"));
  r.errorCode.Assign("0005");  // the fiscal memory is full
  EXPECT_TRUE(app::RefusalHint(r).contains("Фискальная память"));
  r.errorCode.Assign("0102");  // a fault without advice
  EXPECT_TRUE(app::RefusalHint(r).isEmpty());
  r.outcome = link::OutcomeKind::kOk;
  r.errorCode.Assign("0000");
  EXPECT_TRUE(app::RefusalHint(r).isEmpty());
}
