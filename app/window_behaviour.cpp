#include "app/window_behaviour.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QSet>
#include <QTabWidget>
#include <QTextEdit>
#include <algorithm>

namespace tesmar::app {

namespace {

// Set on a field that was taken out of the Tab chain for being read-only.
constexpr const char* kSkippedByTab = "tesmarSkippedByTab";

// The position of the access letter in `text`, -1 when it has none.
int AccessLetterAt(const QString& text) {
  for (int i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return i + 1;
    ++i;  // "&&" is a plain "&"
  }
  return -1;
}

// Where the access letter of `text` goes given the letters used: the first
// letter of a word, else any letter; -1 when every letter is taken.
int FreeLetterAt(const QString& text, const QSet<QChar>& used) {
  for (bool initialsOnly : {true, false})
    for (int i = 0; i < text.size(); ++i) {
      const QChar c = text[i];
      if (!c.isLetterOrNumber() || used.contains(c.toLower())) continue;
      if (initialsOnly && i > 0 && text[i - 1].isLetterOrNumber()) continue;
      return i;
    }
  return -1;
}

// The layout's items in reading order: by row, then by column.
QList<QLayoutItem*> ItemsInOrder(QLayout* layout) {
  struct Placed {
    int row, column, index;
    QLayoutItem* item;
  };
  QList<Placed> placed;
  auto* grid = qobject_cast<QGridLayout*>(layout);
  auto* form = qobject_cast<QFormLayout*>(layout);
  for (int i = 0; i < layout->count(); ++i) {
    int row = 0, column = i, span = 0;
    if (grid) {
      grid->getItemPosition(i, &row, &column, &span, &span);
    } else if (form) {
      QFormLayout::ItemRole role;
      form->getItemPosition(i, &row, &role);
      column = role == QFormLayout::LabelRole ? 0 : 1;
    }
    placed.push_back({row, column, i, layout->itemAt(i)});
  }
  std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
    return std::tie(a.row, a.column) < std::tie(b.row, b.column);
  });
  QList<QLayoutItem*> out;
  for (const Placed& p : placed) out << p.item;
  return out;
}

void CollectLayout(QLayout* layout, QList<QWidget*>& out);

void CollectWidget(QWidget* w, QList<QWidget*>& out) {
  if (!w || w->isWindow()) return;
  if (w->focusPolicy() & Qt::TabFocus) out << w;
  if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
    for (int i = 0; i < tabs->count(); ++i) CollectWidget(tabs->widget(i), out);
    return;
  }
  if (auto* area = qobject_cast<QScrollArea*>(w)) {
    CollectWidget(area->widget(), out);
    return;
  }
  if (w->layout()) CollectLayout(w->layout(), out);
}

void CollectLayout(QLayout* layout, QList<QWidget*>& out) {
  for (QLayoutItem* item : ItemsInOrder(layout)) {
    if (QWidget* w = item->widget())
      CollectWidget(w, out);
    else if (QLayout* inner = item->layout())
      CollectLayout(inner, out);
  }
}

bool IsReadOnlyField(const QWidget* w) {
  if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->isReadOnly();
  if (auto* e = qobject_cast<const QPlainTextEdit*>(w)) return e->isReadOnly();
  if (auto* e = qobject_cast<const QTextEdit*>(w)) return e->isReadOnly();
  return false;
}

// Read-only fields leave the Tab chain (a click still selects their text);
// a field that became editable again comes back.
void SkipReadOnlyFields(QWidget* window) {
  for (QWidget* w : window->findChildren<QWidget*>()) {
    const bool skipped = w->property(kSkippedByTab).toBool();
    if (IsReadOnlyField(w) && !skipped && (w->focusPolicy() & Qt::TabFocus)) {
      w->setFocusPolicy(Qt::ClickFocus);
      w->setProperty(kSkippedByTab, true);
    } else if (!IsReadOnlyField(w) && skipped) {
      w->setFocusPolicy(Qt::StrongFocus);
      w->setProperty(kSkippedByTab, false);
    }
  }
}

// Gives `texts` access letters, returning the changed ones through `set`.
template <class Get, class Set, class Item>
void Letter(const QList<Item>& items, Get get, Set set) {
  QStringList texts;
  for (const Item& i : items) texts << get(i);
  const QStringList lettered = WithAccessLetters(texts);
  for (int i = 0; i < items.size(); ++i)
    if (lettered[i] != texts[i]) set(items[i], lettered[i]);
}

}  // namespace

bool IsQtStandardDialog(const QWidget* w) {
  return qobject_cast<const QMessageBox*>(w) || qobject_cast<const QFileDialog*>(w) ||
         qobject_cast<const QInputDialog*>(w) || qobject_cast<const QProgressDialog*>(w) ||
         qobject_cast<const QColorDialog*>(w) || qobject_cast<const QFontDialog*>(w);
}

QStringList WithAccessLetters(const QStringList& texts) {
  QSet<QChar> used;
  for (const QString& t : texts)
    if (const int at = AccessLetterAt(t); at >= 0) used.insert(t[at].toLower());
  QStringList out;
  for (const QString& t : texts) {
    // A text with a plain "&" in it is left as it is.
    const int at = t.contains('&') ? -1 : FreeLetterAt(t, used);
    if (at < 0) {
      out << t;
      continue;
    }
    used.insert(t[at].toLower());
    out << t.left(at) + '&' + t.mid(at);
  }
  return out;
}

QString WithoutAccessLetter(QString text) {
  for (int i = 0; i < text.size(); ++i)
    if (text[i] == '&') text.remove(i, 1);  // the next character stays, even a second "&"
  return text;
}

void RemoveDefaultButtons(QWidget* window) {
  for (QPushButton* b : window->findChildren<QPushButton*>()) {
    b->setAutoDefault(false);
    b->setDefault(false);
  }
}

void OrderTabs(QWidget* window) {
  SkipReadOnlyFields(window);
  if (!window->layout()) return;
  QList<QWidget*> chain;
  CollectLayout(window->layout(), chain);
  for (int i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void GiveAccessLetters(QWidget* window) {
  QList<QWidget*> items;
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
    if (!b->text().isEmpty()) items << b;
  for (QGroupBox* g : window->findChildren<QGroupBox*>())
    if (g->isCheckable()) items << g;
  for (QLabel* l : window->findChildren<QLabel*>())
    if (l->buddy() && l->textFormat() != Qt::RichText && !Qt::mightBeRichText(l->text()))
      items << l;
  Letter(
      items,
      [](QWidget* w) {
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
        return static_cast<QLabel*>(w)->text();
      },
      [](QWidget* w, const QString& text) {
        if (auto* b = qobject_cast<QAbstractButton*>(w))
          b->setText(text);
        else if (auto* g = qobject_cast<QGroupBox*>(w))
          g->setTitle(text);
        else
          static_cast<QLabel*>(w)->setText(text);
      });
}

void GiveAccessLetters(QMenu* menu) {
  QList<QAction*> actions;
  for (QAction* a : menu->actions())
    if (!a->isSeparator() && !a->text().isEmpty()) actions << a;
  Letter(
      actions, [](QAction* a) { return a->text(); },
      [](QAction* a, const QString& text) { a->setText(text); });
}

WindowBehaviour::WindowBehaviour(QWidget* anchor, QObject* parent)
    : QObject(parent), anchor_(anchor) {}

bool WindowBehaviour::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::Show && type != QEvent::Hide && type != QEvent::Polish)
    return QObject::eventFilter(watched, event);
  auto* w = qobject_cast<QWidget*>(watched);
  if (!w) return false;
  // A button made after its window was shown.
  if (type == QEvent::Polish) {
    if (auto* b = qobject_cast<QPushButton*>(w))
      if (qobject_cast<QDialog*>(b->window()) && !IsQtStandardDialog(b->window())) {
        b->setAutoDefault(false);
        b->setDefault(false);
      }
    return false;
  }
  if (auto* menu = qobject_cast<QMenu*>(w); menu && type == QEvent::Show) {
    GiveAccessLetters(menu);
    return false;
  }
  if (w == anchor_ && type == QEvent::Show) {
    if (auto* bar = w->findChild<QMenuBar*>()) {
      Letter(
          bar->actions(), [](QAction* a) { return a->text(); },
          [](QAction* a, const QString& text) { a->setText(text); });
    }
    return false;
  }
  if (!w->isWindow() || !qobject_cast<QDialog*>(w) || IsQtStandardDialog(w)) return false;
  if (type == QEvent::Hide) {
    leftAt_.insert(w, w->pos());
    return false;
  }
  // Before QDialog picks a default button of its own.
  RemoveDefaultButtons(w);
  OrderTabs(w);
  if (const auto it = leftAt_.constFind(w); it != leftAt_.constEnd()) {
    w->move(*it);
    return false;
  }
  firstShow(w);
  return false;
}

void WindowBehaviour::firstShow(QWidget* window) {
  connect(window, &QObject::destroyed, this, [this, window] { leftAt_.remove(window); });
  GiveAccessLetters(window);
  if (!anchor_ || window->parentWidget()) return;  // Qt centres a window on its parent
  window->adjustSize();
  window->move(anchor_->frameGeometry().center() - window->rect().center());
}

}  // namespace tesmar::app
