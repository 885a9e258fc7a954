// Exchanges off the window thread.
//
// The driver hands each exchange to this runner, which runs it on one
// worker thread while the window that started it waits in a local event
// loop: the window's code stays "send, then judge", every window repaints,
// and never two exchanges run at once. While it waits the program holds the
// user's input (it is dropped, never run afterwards), shows a busy cursor
// and, in the status bar, the command being sent; after about a second a
// "Прервать" button ends the wait, and the exchange comes back unanswered.
// The fixed waits of the windows take the same path (windowSleeper).
#pragma once

#include <QFrame>
#include <QObject>
#include <QPointer>
#include <QStatusBar>
#include <QString>
#include <QTimer>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "link/driver.h"

class QLabel;
class QPushButton;
class QWidget;

namespace tesmar::app {

inline constexpr const char* kAbortCaption = Tesmar::mark("Прервать");

class ExchangeWait : public QObject, public link::ExchangeRunner {
  Q_OBJECT
 public:
  // The busy cursor and status text appear after kBusyShowMs of a wait (a
  // quick exchange shows nothing), the "Прервать" button after
  // kAbortShowMs (a little over the windows' one-second waits, so that
  // those do not flash it).
  static constexpr int kBusyShowMs = 250;
  static constexpr int kAbortShowMs = 1100;

  explicit ExchangeWait(QObject* parent = nullptr);
  ~ExchangeWait() override;

  // Runs `driver`'s exchanges from now on, until this object is destroyed.
  void attach(link::Driver& driver);
  // Where the command being sent is shown (nullptr: nowhere).
  void setStatusBar(QStatusBar* bar) { statusBar_ = bar; }
  // The fixed waits of the windows: the same held input, busy state and
  // "Прервать" as an exchange; an abort ends the wait early.
  link::Sleeper& windowSleeper() { return windowSleeper_; }

  void Run(int code, link::ExchangeWork work) override;
  void Deliver(link::ExchangeObserver& observer, const link::ExchangeReport& report) override;

  // Whether a wait is in progress, and its "Прервать" button while shown.
  bool busy() const { return depth_ > 0; }
  QPushButton* abortButton() const;
  // What the status bar says during the current wait.
  const QString& busyText() const { return text_; }
  // Ends the current wait as "Прервать" does.
  void abort();

 signals:
  // A piece of work ended, or the user stopped waiting.
  void changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class WindowSleeper : public link::Sleeper {
   public:
    explicit WindowSleeper(ExchangeWait& wait) : wait_(wait) {}
    void SleepMs(int ms) override { wait_.pause(ms); }

   private:
    ExchangeWait& wait_;
  };
  // The busy state from the first wait of a nest to the end of the last.
  class Busy {
   public:
    Busy(ExchangeWait& wait, const QString& text);
    ~Busy();
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

   private:
    ExchangeWait& wait_;
    QString previous_;
  };

  void pause(int ms);
  void serve();
  void workDone();
  // Serves events until `changed` is next emitted.
  void spinOnce();
  void showBusy();
  void showAbort();
  void hideBusy();
  bool inBar(QObject* o) const;

  link::Driver* driver_ = nullptr;
  WindowSleeper windowSleeper_{*this};
  QPointer<QStatusBar> statusBar_;

  // Window thread only.
  int depth_ = 0;
  bool running_ = false;  // the worker has work
  bool abortRequested_ = false;
  bool statusShown_ = false;
  QString text_;
  QTimer busyTimer_;
  QTimer abortTimer_;
  QPointer<QFrame> bar_;
  QLabel* barText_ = nullptr;

  // Shared with the worker.
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<link::ExchangeWork> work_;
  bool quit_ = false;
  std::thread worker_;
};

// What the status bar says while command `code` is exchanged.
QString ExchangeStatusText(int code);

}  // namespace tesmar::app
