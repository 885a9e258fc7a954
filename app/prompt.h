// Every message, question and file choice of the program goes through this
// interface: the GUI shows Qt dialogs, tests answer from a script and keep
// every text for assertions.
#pragma once

#include <QString>

class QWidget;

namespace tesmar::app {

class Prompt {
 public:
  virtual ~Prompt() = default;
  // A modal message with one OK button, under `title` (the program's name
  // when empty).
  virtual void showMessage(const QString& text, const QString& title = QString()) = 0;
  // True for Yes.
  virtual bool askYesNo(const QString& title, const QString& text) = 0;
  // True for OK.
  virtual bool askOkCancel(const QString& title, const QString& text) = 0;
  // Empty when cancelled.
  virtual QString openFileName(const QString& title, const QString& filter) = 0;
  virtual QString saveFileName(const QString& title, const QString& filter) = 0;
};

// The real thing, with Qt's dialogs, over `parent`.
class QtPrompt : public Prompt {
 public:
  explicit QtPrompt(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  void showMessage(const QString& text, const QString& title = QString()) override;
  bool askYesNo(const QString& title, const QString& text) override;
  bool askOkCancel(const QString& title, const QString& text) override;
  QString openFileName(const QString& title, const QString& filter) override;
  QString saveFileName(const QString& title, const QString& filter) override;

 private:
  QWidget* parent_;
};

}  // namespace tesmar::app
