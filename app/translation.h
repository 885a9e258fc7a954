// The interface language: the written Russian (the source texts and the
// default), Ukrainian or English. Every text of the program is translated
// in the one context "Tesmar": Ui::tr("...") where a text is made, and
// Shown() for a text that was marked elsewhere or composed of marked parts.
#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>

class QApplication;
class QTranslator;
class QWidget;

// lupdate reads Ui::tr("...") as a text of the context "Tesmar".
struct Ui {
  Q_DECLARE_TR_FUNCTIONS(Tesmar)
};

namespace tesmar::app {

// "ru", "uk", "en": the values of --lang and of [Interface] Language.
const QStringList& Languages();
// The language to use: the option, else the configured key (a value that is
// not a language is passed over), else the system's locale (Ukrainian gives
// "uk", English "en"), else "ru".
QString ChooseLanguage(const QString& option, const QString& configured, const QLocale& system);
// [Interface] Language of tsinit.ini at `configPath` (empty when absent).
QString ConfiguredLanguage(const QString& configPath);
// Writes [Interface] Language; false (with the reason) when it cannot.
bool SaveLanguage(const QString& configPath, const QString& language, QString* error = nullptr);

// `text` in the interface language: the translation of the whole text when
// it is a source text, else the text with every marked part in it translated
// (a message put together from marked texts and data). Data stays as it is.
QString Shown(const QString& text);

// Loads the program's translation for `language` and Qt's own (standard
// buttons, file dialogs), and translates each window's fixed captions,
// buttons, labels, column headers and menus as it is first shown. Owned by
// whoever owns the application; "ru" loads Qt's Russian only.
class Translation : public QObject {
 public:
  explicit Translation(QObject* parent = nullptr) : QObject(parent) {}
  ~Translation() override;
  // False when the program's own file for `language` was not found.
  bool install(const QString& language);
  const QString& language() const { return language_; }
  // Translates the texts of `w` and of its children now.
  static void translateTree(QWidget& w);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void remove();
  QString language_ = "ru";
  QList<QTranslator*> translators_;
};

}  // namespace tesmar::app

class QMenu;

namespace tesmar::app {

class Prompt;

// The item under "О программе..." that chooses the language for the next
// start: writes [Interface] Language of tsinit.ini at `configPath`.
QMenu* LanguageMenu(const QString& configPath, Prompt& prompt, QWidget* parent);

}  // namespace tesmar::app
