// How every window of the program behaves at the desktop, in one place that
// each window passes through when it is shown (an event filter on the
// application):
// - Enter presses no hidden button: no push button is default or
//   auto-default (the fields where Enter means something say so themselves);
// - Tab follows the layout, row by row, and passes over read-only fields;
// - buttons, check boxes and the labels of fields get access letters
//   (Alt+letter), distinct within their window, and so do the menus;
// - a window opens centred on the main window the first time and reopens
//   where the user left it.
// Escape closes a window through QDialog's own handling.
#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

class QMenu;
class QWidget;

namespace tesmar::app {

class WindowBehaviour : public QObject {
  Q_OBJECT
 public:
  // `anchor` is the main window: new windows are centred on it.
  explicit WindowBehaviour(QWidget* anchor, QObject* parent = nullptr);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void firstShow(QWidget* window);

  QPointer<QWidget> anchor_;
  QHash<QWidget*, QPoint> leftAt_;  // where each hidden window was
};

// Whether the window is one of Qt's own (message boxes, file dialogs),
// which keep their own default buttons and places.
bool IsQtStandardDialog(const QWidget* window);
// The texts with an access letter each where one can be found: the first
// letter of a word not used yet, else any letter not used yet. Texts that
// already have one keep it (their letters count as used).
QStringList WithAccessLetters(const QStringList& texts);
// The text without its access letter marks ("&&" stays one "&").
QString WithoutAccessLetter(QString text);
// Clears the default and auto-default of every push button of `window`.
void RemoveDefaultButtons(QWidget* window);
// The focus chain of `window` in the order of its layouts (grid rows
// top to bottom, each row left to right), read-only fields out of it.
void OrderTabs(QWidget* window);
// Access letters for the buttons and field labels of `window`, and for the
// items of a menu.
void GiveAccessLetters(QWidget* window);
void GiveAccessLetters(QMenu* menu);

}  // namespace tesmar::app
