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
  // A modal message with one OK button, under `title` (when empty, the
  // title of the window it comes from): a failure, a refusal or a warning,
  // shown with the warning icon.
  virtual void showMessage(const QString& text, const QString& title = QString()) = 0;
  // The same for a step that went well, with the information icon.
  virtual void showSuccess(const QString& text, const QString& title = QString()) = 0;
  // A refusal of the registrar's: `text` as the program words it, and under
  // it `advice`, what to do about it (none when empty).
  virtual void showRefusal(const QString& text, const QString& advice,
                           const QString& title = QString()) = 0;
  // True for Yes. "Нет" is the button Enter presses: the question comes
  // before what cannot be undone.
  virtual bool askYesNo(const QString& title, const QString& text) = 0;
  // True for OK.
  virtual bool askOkCancel(const QString& title, const QString& text) = 0;
  // Empty when cancelled.
  virtual QString openFileName(const QString& title, const QString& filter) = 0;
  virtual QString saveFileName(const QString& title, const QString& filter) = 0;
};

// A file name without an extension gets `extension`.
QString WithDefaultExtension(const QString& file, const QString& extension);

// Asks Yes/No before a step that cannot be undone: `what` the step does,
// then that it cannot be undone. True for Yes.
bool ConfirmIrreversible(Prompt& prompt, const QString& what);

// The real thing, with Qt's dialogs, over `parent`.
class QtPrompt : public Prompt {
 public:
  explicit QtPrompt(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  void showMessage(const QString& text, const QString& title = QString()) override;
  void showSuccess(const QString& text, const QString& title = QString()) override;
  void showRefusal(const QString& text, const QString& advice,
                   const QString& title = QString()) override;
  bool askYesNo(const QString& title, const QString& text) override;
  bool askOkCancel(const QString& title, const QString& text) override;
  QString openFileName(const QString& title, const QString& filter) override;
  QString saveFileName(const QString& title, const QString& filter) override;

 private:
  // The window a message comes from: the modal one on top, else the
  // active one, else the main window.
  QWidget* source() const;

  QWidget* parent_;
};

// The width a message box needs so that the window manager does not cut
// `title` short: the title's text and the frame's buttons.
int MessageBoxWidthFor(const QString& title);

}  // namespace tesmar::app
