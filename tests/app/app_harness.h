// Drives the application's windows offscreen against the emulator on a real
// pty: a prompt that records every message, a sleeper that records every
// wait, an empty fake sysfs, a temporary program folder.
#pragma once

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <ostream>

#include "app/app_context.h"
#include "app/main_window.h"
#include "emulator/pty_server.h"
#include "emulator/registrar.h"
#include "emulator/session.h"
#include "tests/support/test_support.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}

namespace tesmar::test {

class RecordingPrompt : public app::Prompt {
 public:
  void showMessage(const QString& text, const QString& title = QString()) override {
    messages << text;
    titled.push_back({text, title});
  }
  void showSuccess(const QString& text, const QString& title = QString()) override {
    showMessage(text, title);
    successes << text;
  }
  void showRefusal(const QString& text, const QString& advice,
                   const QString& title = QString()) override {
    showMessage(text, title);
    if (!advice.isEmpty()) advices << advice;
  }
  bool askYesNo(const QString&, const QString& text) override {
    questions << text;
    return yes;
  }
  bool askOkCancel(const QString&, const QString& text) override {
    messages << text;
    return yes;
  }
  QString openFileName(const QString&, const QString& filter) override { return pick(filter); }
  QString saveFileName(const QString&, const QString& filter) override { return pick(filter); }

  QStringList messages;
  // Every message shown, with its title (empty: the program's name).
  QList<std::pair<QString, QString>> titled;
  // The messages shown as a step that went well (also in `messages`).
  QStringList successes;
  // The advice shown under refusals (the refusals are in `messages`).
  QStringList advices;
  // The Yes/No questions asked (not in `messages`), each answered `yes`.
  QStringList questions;
  bool yes = true;
  QString file;
  // When set, chooses the file for each dialog by its filter instead of `file`.
  std::function<QString(const QString& filter)> fileFor;

 private:
  QString pick(const QString& filter) const { return fileFor ? fileFor(filter) : file; }
};

// A registrar on a pty, served by its own thread.
struct EmulatedRegistrar {
  emu::Registrar registrar;
  emu::Session session;
  emu::PtyServer server;
  explicit EmulatedRegistrar(emu::RegistrarOptions o = {}, emu::FaultPlan faults = {})
      : registrar(std::move(o)), session(registrar, faults), server(session, {}) {
    std::string error;
    if (!server.Open(&error)) throw std::runtime_error(error);
    server.Start();
  }
  ~EmulatedRegistrar() { server.Stop(); }
  QString Path() const { return QString::fromStdString(server.Path()); }
};

struct AppHarness {
  QTemporaryDir dir;
  app::AppState state;
  RecordingSleeper sleeper;
  link::Driver driver{sleeper};
  RecordingPrompt prompt;
  app::AppContext ctx{state, driver, prompt, sleeper};
  link::TPortControl ports;
  link::UsbPortFinder usbPorts;
  std::unique_ptr<EmulatedRegistrar> registrar;
  std::unique_ptr<app::MainWindow> window;

  explicit AppHarness(emu::RegistrarOptions o = {}, emu::FaultPlan faults = {},
                      const QString& tsinit = QString())
      : ports((QDir(QDir::tempPath()).filePath("tesmar-no-sysfs")).toStdString()),
        usbPorts((QDir(QDir::tempPath()).filePath("tesmar-no-sysfs")).toStdString()) {
    state.configPath = QDir(dir.path()).filePath("tsinit.ini");
    if (!tsinit.isNull()) WriteConfig(tsinit);
    registrar = std::make_unique<EmulatedRegistrar>(std::move(o), faults);
    window = std::make_unique<app::MainWindow>(
        ctx, app::PortSources{ports, usbPorts, {registrar->Path()}, {}, {}});
  }
  // The main window again, made from `windows` (the old one goes first: it
  // hands the driver's exchanges back when it closes).
  void Rebuild(const app::WindowTable& windows) {
    window.reset();
    window = std::make_unique<app::MainWindow>(
        ctx, app::PortSources{ports, usbPorts, {registrar->Path()}, {}, {}}, windows);
  }
  ~AppHarness() {
    window.reset();
    driver.CloseSerialLink();
  }
  void WriteConfig(const QString& text) {
    QFile f(state.configPath);
    f.open(QIODevice::WriteOnly);
    f.write(text.toUtf8());
  }
  QString Config() const {
    QFile f(state.configPath);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
  }
  // Activation, then "Подключить" on the emulator's port.
  void Connect() {
    window->activate();
    prompt.messages.clear();
    window->serialButton();
  }
};

}  // namespace tesmar::test
