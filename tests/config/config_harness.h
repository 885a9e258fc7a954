// The configuration windows on the main window, against the emulator; and
// an answerer for the modal dialogs a window opens itself.
#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

#include "service/config_windows.h"
#include "link/encoding.h"
#include "tests/app/wire_recorder.h"

namespace tesmar::test {

struct ConfigHarness : AppHarness {
  explicit ConfigHarness(emu::RegistrarOptions o = {}, const QString& tsinit = QString())
      : AppHarness(std::move(o), {}, tsinit) {
    window->addWindows(service::ConfigWindows());
  }
  template <class T>
  T& Window() {
    return *window->find<T>();
  }
  // Shows a window as its menu would and leaves it open (its activation ran).
  template <class T>
  T& Shown() {
    T& w = Window<T>();
    w.show();
    QApplication::processEvents();
    return w;
  }
  emu::Registrar& Reg() { return registrar->registrar; }
  // The tape lines printed since `from`, as UTF-8.
  std::vector<std::string> TapeSince(size_t from) {
    std::vector<std::string> out;
    const auto& tape = Reg().Tape();
    for (size_t i = from; i < tape.size(); ++i) out.push_back(link::Cp1251ToUtf8(tape[i]));
    return out;
  }
};

// While alive, answers every modal dialog that opens with `answer` (which
// closes it).
class ModalAnswerer {
 public:
  explicit ModalAnswerer(std::function<void(QWidget*)> answer) : answer_(std::move(answer)) {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* w = QApplication::activeModalWidget()) answer_(w);
    });
    timer_.start();
  }

 private:
  std::function<void(QWidget*)> answer_;
  QTimer timer_;
};

}  // namespace tesmar::test
