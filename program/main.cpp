// tesmar: the service and test program for fiscal registrars.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/app_context.h"
#include "app/application_setup.h"
#include "emulator/bank_terminal_pty.h"
#include "app/exchange_wait.h"
#include "app/main_window.h"
#include "program/program_windows.h"
#include "emulator/pty_server.h"
#include "emulator/registrar.h"
#include "emulator/session.h"
#include "emulator/tape_form.h"
#include "app/tape_window.h"
#include "app/window_behaviour.h"
#include "app/translated_prompt.h"
#include "app/translation.h"

using namespace tesmar;

namespace {

const char* kHelp = R"(Usage: tesmar [--demo] [--model TEXT] [--config DIR] [--lang ru|uk|en]

  --demo          start a registrar in software (the emulator) and list its
                  port first, so that "Подключить" connects to it at once
                  and a bank terminal in software, offered as the terminal port
  --model TEXT    the demo registrar's model text (default "Tesmar EMU-01"):
                  its tape width, and for a model tesmar-emu --help lists,
                  its firmware and counts
  --config DIR    folder of tsinit.ini (default: the current folder)
  --lang LANG     the interface language: ru, uk or en (default: [Interface]
                  Language of tsinit.ini, else the system's language when it
                  is Ukrainian or English, else ru)
  -h, --help      print this help and exit
  --version       print the program's version and exit
)";

bool HaveDisplay() {
  return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
}

// The demo's registrar, served on a pty by a thread of its own.
struct Demo {
  emu::Registrar registrar;
  emu::Session session{registrar};
  emu::PtyServer server{session, {}};
  emu::VirtualTerminal terminal;
  emu::TerminalPty terminalPty{terminal};
  explicit Demo(const std::string& model) : registrar(Options(model)) {}
  static emu::RegistrarOptions Options(const std::string& model) {
    emu::RegistrarOptions o;
    if (!model.empty()) o.model = model;
    emu::TakeModelDefaults(o, {});  // a model of the table: its firmware and counts
    return o;
  }
};

}  // namespace

int main(int argc, char** argv) {
  bool demo = false;
  std::string model;
  QString configDir = QDir::currentPath();
  QString language;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    } else if (a == "--version") {
      std::printf("tesmar %s\n", TESMAR_VERSION);
      return 0;
    } else if (a == "--demo") {
      demo = true;
    } else if (a == "--model" && i + 1 < argc) {
      model = argv[++i];
    } else if (a == "--lang" && i + 1 < argc) {
      language = QString::fromLocal8Bit(argv[++i]);
      if (!app::Languages().contains(language)) {
        std::fprintf(stderr, "tesmar: --lang takes ru, uk or en\n");
        return 64;
      }
    } else if (a == "--config" && i + 1 < argc) {
      configDir = QString::fromLocal8Bit(argv[++i]);
    } else {
      std::fprintf(stderr, "tesmar: unknown option %s (see --help)\n", a.c_str());
      return 64;
    }
  }
  if (!HaveDisplay()) {
    std::fprintf(stderr,
                 "tesmar: no display to show the window on (DISPLAY is not set).\n"
                 "Run it on a desktop, or under a virtual one: xvfb-run tesmar --demo\n");
    return 1;
  }

  QApplication qapp(argc, argv);
  app::ConfigureApplication(qapp);
  app::Translation translation;
  language = app::ChooseLanguage(language,
                                 app::ConfiguredLanguage(QDir(configDir).filePath("tsinit.ini")),
                                 QLocale::system());
  if (!translation.install(language))
    std::fprintf(stderr, "tesmar: no translation file for %s, the texts stay Russian\n",
                 language.toLocal8Bit().constData());

  std::unique_ptr<Demo> emulator;
  QStringList extra;
  if (demo) {
    emulator = std::make_unique<Demo>(model);
    std::string error;
    if (!emulator->server.Open(&error)) {
      std::fprintf(stderr, "tesmar: the demo registrar cannot start: %s\n", error.c_str());
      return 1;
    }
    extra << QString::fromStdString(emulator->server.Path());
    if (!emulator->terminalPty.Open(&error)) {
      std::fprintf(stderr, "tesmar: the demo bank terminal cannot start: %s\n", error.c_str());
      return 1;
    }
    extra << QString::fromStdString(emulator->terminalPty.Path());
  }

  app::AppState state;
  state.configPath = QDir(configDir).filePath("tsinit.ini");
  link::Driver driver;
  // Every start counts from 0 again, and another program may have spoken
  // last: the first command on a link waits for an answered read (21h).
  driver.SetSequenceGuard(true);
  app::QtPrompt qtPrompt;
  app::TranslatedPrompt prompt(qtPrompt);
  // Exchanges and the windows' fixed waits run off the window thread.
  app::ExchangeWait exchanges;
  exchanges.attach(driver);
  app::AppContext ctx{state, driver, prompt, exchanges.windowSleeper()};
  link::TPortControl ports;
  link::UsbPortFinder usbPorts;
  app::WindowTable windows = program::ProgramWindows();
  if (demo) windows.push_back(app::TapeWindowRow());
  if (demo) state.terminalPort = extra.value(1);  // the card payment finds it at once
  app::MainWindow window(ctx, {ports, usbPorts, extra, extra.value(0), extra.value(1)}, windows);
  qtPrompt.setParent(&window);
  // No hidden default buttons, Tab by the layout, access letters, windows
  // centred and reopened where they were left.
  app::WindowBehaviour behaviour(&window);
  qapp.installEventFilter(&behaviour);
  exchanges.setStatusBar(window.statusBar());
  if (emulator) {
    // The registrar prints from its own thread; the tape window takes the
    // lines through the event loop.
    app::TapeWindow* tape = window.find<app::TapeWindow>();
    emulator->registrar.SetTapeSink([tape](const std::string& line) {
      tape->post(QString::fromStdString(emu::TapeFileLine(line)));
    });
    emulator->server.Start();
    emulator->terminalPty.Start();
  }
  window.show();
  window.activate();
  const int rc = qapp.exec();
  if (emulator) {
    emulator->server.Stop();
    emulator->terminalPty.Stop();
  }
  return rc;
}
