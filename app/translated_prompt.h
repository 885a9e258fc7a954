// The messages, questions and file dialog titles of the program in the
// interface language: passes every text through Shown() to another prompt.
#pragma once

#include "app/prompt.h"
#include "app/translation.h"

namespace tesmar::app {

class TranslatedPrompt : public Prompt {
 public:
  explicit TranslatedPrompt(Prompt& shown) : shown_(shown) {}
  void showMessage(const QString& text, const QString& title = QString()) override {
    shown_.showMessage(Shown(text), Shown(title));
  }
  void showSuccess(const QString& text, const QString& title = QString()) override {
    shown_.showSuccess(Shown(text), Shown(title));
  }
  void showRefusal(const QString& text, const QString& advice,
                   const QString& title = QString()) override {
    shown_.showRefusal(Shown(text), Shown(advice), Shown(title));
  }
  bool askYesNo(const QString& title, const QString& text) override {
    return shown_.askYesNo(Shown(title), Shown(text));
  }
  bool askOkCancel(const QString& title, const QString& text) override {
    return shown_.askOkCancel(Shown(title), Shown(text));
  }
  QString openFileName(const QString& title, const QString& filter) override {
    return shown_.openFileName(Shown(title), Shown(filter));
  }
  QString saveFileName(const QString& title, const QString& filter) override {
    return shown_.saveFileName(Shown(title), Shown(filter));
  }

 private:
  Prompt& shown_;
};

}  // namespace tesmar::app
