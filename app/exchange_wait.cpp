#include "app/exchange_wait.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QEventLoop>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>
#include <chrono>

#include "app/translation.h"
#include "link/command_table.h"

namespace tesmar::app {

namespace {

// The user's input that a wait holds back. A close made by the user (the
// window's frame) is input too; a close made by the program is not.
bool IsUserInput(const QEvent* e) {
  switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Drop:
      return true;
    case QEvent::Close:
      return e->spontaneous();
    default:
      return false;
  }
}

QString PauseText(int ms) {
  return Shown(Tesmar::mark("Ожидание %1 мс")).arg(ms);
}

// The window the "Прервать" bar goes into: the one the user works in.
QWidget* HostWindow(QStatusBar* statusBar) {
  if (QWidget* w = QApplication::activeModalWidget()) return w;
  if (QWidget* w = QApplication::activeWindow()) return w;
  return statusBar ? statusBar->window() : nullptr;
}

}  // namespace

QString ExchangeStatusText(int code) {
  return Shown(Tesmar::mark("Обмен с регистратором. %1"))
      .arg(Shown(QString::fromUtf8(link::CommandCaption(code))));
}

ExchangeWait::ExchangeWait(QObject* parent) : QObject(parent) {
  busyTimer_.setSingleShot(true);
  abortTimer_.setSingleShot(true);
  connect(&busyTimer_, &QTimer::timeout, this, &ExchangeWait::showBusy);
  connect(&abortTimer_, &QTimer::timeout, this, &ExchangeWait::showAbort);
  worker_ = std::thread([this] { serve(); });
}

ExchangeWait::~ExchangeWait() {
  if (driver_) driver_->SetExchangeRunner(nullptr);
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  wake_.notify_one();
  worker_.join();
  delete bar_.data();
}

void ExchangeWait::attach(link::Driver& driver) {
  driver_ = &driver;
  driver.SetExchangeRunner(this);
}

// --- the worker --------------------------------------------------------------

void ExchangeWait::serve() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return work_.has_value() || quit_; });
    if (quit_) return;
    const link::ExchangeWork work = *work_;
    lock.unlock();
    work();
    lock.lock();
    work_.reset();
    QMetaObject::invokeMethod(this, &ExchangeWait::workDone, Qt::QueuedConnection);
  }
}

void ExchangeWait::workDone() {
  running_ = false;
  emit changed();
}

void ExchangeWait::spinOnce() {
  QEventLoop loop;
  connect(this, &ExchangeWait::changed, &loop, &QEventLoop::quit);
  loop.exec();
}

void ExchangeWait::Run(int code, link::ExchangeWork work) {
  if (QThread::currentThread() != thread()) {
    work();
    return;
  }
  // An event served during a wait may start an exchange of its own: it
  // waits for the running one to end, so that never two run at once.
  while (running_) spinOnce();
  Busy busy(*this, ExchangeStatusText(code));
  running_ = true;
  {
    std::lock_guard lock(mutex_);
    work_.emplace(work);
  }
  wake_.notify_one();
  while (running_) spinOnce();
}

void ExchangeWait::Deliver(link::ExchangeObserver& observer, const link::ExchangeReport& report) {
  if (QThread::currentThread() == thread()) {
    observer.ExchangeFinished(report);
    return;
  }
  // The window thread serves events until the work has ended, so it takes
  // the report while the driver still holds what it points to.
  QMetaObject::invokeMethod(
      this, [&] { observer.ExchangeFinished(report); }, Qt::BlockingQueuedConnection);
}

void ExchangeWait::pause(int ms) {
  if (ms <= 0) return;
  if (QThread::currentThread() != thread()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    return;
  }
  Busy busy(*this, PauseText(ms));
  bool over = false;
  QTimer timer;
  timer.setSingleShot(true);
  timer.setTimerType(Qt::PreciseTimer);  // never shorter than asked
  connect(&timer, &QTimer::timeout, this, [&] {
    over = true;
    emit changed();
  });
  timer.start(ms);
  while (!over && !abortRequested_) spinOnce();
}

void ExchangeWait::abort() {
  if (!busy()) return;
  abortRequested_ = true;
  if (driver_) driver_->RequestAbort();
  emit changed();
}

// --- the busy state ----------------------------------------------------------

ExchangeWait::Busy::Busy(ExchangeWait& wait, const QString& text)
    : wait_(wait), previous_(wait.text_) {
  wait_.text_ = text;
  wait_.abortRequested_ = false;
  if (wait_.depth_++ == 0) {
    qApp->installEventFilter(&wait_);
    wait_.busyTimer_.start(kBusyShowMs);
    wait_.abortTimer_.start(kAbortShowMs);
  } else if (wait_.statusShown_) {
    wait_.showBusy();
  }
}

ExchangeWait::Busy::~Busy() {
  wait_.text_ = previous_;
  if (--wait_.depth_ > 0) {
    if (wait_.statusShown_) wait_.showBusy();  // the outer wait's text again
    return;
  }
  qApp->removeEventFilter(&wait_);
  wait_.busyTimer_.stop();
  wait_.abortTimer_.stop();
  wait_.hideBusy();
}

void ExchangeWait::showBusy() {
  if (!statusShown_) QApplication::setOverrideCursor(Qt::BusyCursor);
  statusShown_ = true;
  if (statusBar_) statusBar_->showMessage(text_);
  if (bar_) barText_->setText(text_);
}

void ExchangeWait::showAbort() {
  if (!statusShown_) showBusy();
  QWidget* host = HostWindow(statusBar_);
  auto* bar = new QFrame(host, host ? Qt::Widget : Qt::Tool | Qt::FramelessWindowHint);
  bar->setObjectName("exchangeWaitBar");
  bar->setFrameShape(QFrame::StyledPanel);
  bar->setAutoFillBackground(true);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(6, 3, 6, 3);
  barText_ = new QLabel(text_, bar);
  auto* button = new QPushButton(kAbortCaption, bar);
  button->setObjectName("abortExchange");
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setCursor(Qt::ArrowCursor);
  connect(button, &QPushButton::clicked, this, &ExchangeWait::abort);
  row->addWidget(barText_, 1);
  row->addWidget(button);
  const int h = bar->sizeHint().height();
  if (host)
    bar->setGeometry(0, host->height() - h, host->width(), h);
  else
    bar->resize(bar->sizeHint());
  bar->show();
  bar->raise();
  bar_ = bar;
}

void ExchangeWait::hideBusy() {
  if (statusShown_) {
    QApplication::restoreOverrideCursor();
    if (statusBar_) statusBar_->clearMessage();
  }
  statusShown_ = false;
  if (bar_) {
    bar_->hide();
    bar_->deleteLater();
  }
  bar_ = nullptr;
  barText_ = nullptr;
}

QPushButton* ExchangeWait::abortButton() const {
  return bar_ ? bar_->findChild<QPushButton*>("abortExchange") : nullptr;
}

bool ExchangeWait::inBar(QObject* o) const {
  if (!bar_ || !o->isWidgetType()) return false;
  auto* w = static_cast<QWidget*>(o);
  return w == bar_ || bar_->isAncestorOf(w);
}

// Input to a window reaches its widget through the window system's window
// object first; it is held where it reaches the widget, so that the
// "Прервать" bar, which lives inside a window, still gets its own.
bool ExchangeWait::eventFilter(QObject* watched, QEvent* event) {
  if (!IsUserInput(event)) return false;
  if (!watched->isWidgetType() && event->type() != QEvent::Shortcut) return false;
  return !inBar(watched);
}

}  // namespace tesmar::app
