#include "app/translation.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QTreeWidget>
#include <memory>

#include "link/ini_profile.h"
#include "app/prompt.h"
#include "link/text_catalog.h"

#ifndef TESMAR_QM_BUILD_DIR
#define TESMAR_QM_BUILD_DIR ""
#endif

namespace tesmar::app {

namespace {

// The catalog of the language in use, for the parts of composed texts.
link::TextCatalog& Catalog() {
  static link::TextCatalog catalog;
  return catalog;
}

std::vector<std::string> CatalogDirs() {
  const QString appDir = QCoreApplication::applicationDirPath();
  return {qEnvironmentVariable("TESMAR_TRANSLATIONS").toStdString(),
          QDir(appDir).filePath("../share/tesmar/translations").toStdString(),
          QDir(appDir).filePath("../i18n").toStdString(), TESMAR_QM_BUILD_DIR};
}

// The translation of a text shown on a widget; the text itself when it is
// none of the program's (data, numbers, an already translated text).
QString Caption(const QString& text) {
  if (text.isEmpty()) return text;
  const QByteArray source = text.toUtf8();
  return QCoreApplication::translate("Tesmar", source.constData());
}

void TranslateActions(const QList<QAction*>& actions) {
  for (QAction* a : actions) {
    a->setText(Caption(a->text()));
    if (QMenu* m = a->menu()) {
      m->setTitle(Caption(m->title()));
      TranslateActions(m->actions());
    }
  }
}

void TranslateHeader(QTableWidget& t) {
  for (int c = 0; c < t.columnCount(); ++c)
    if (QTableWidgetItem* i = t.horizontalHeaderItem(c)) i->setText(Caption(i->text()));
  for (int r = 0; r < t.rowCount(); ++r)
    if (QTableWidgetItem* i = t.verticalHeaderItem(r)) i->setText(Caption(i->text()));
}

// The texts a person reads on one widget (not its children). Field contents
// (line edits, cells) are data and stay.
void TranslateWidget(QWidget& w) {
  // Set only when it changes: a label set again would be painted again.
  auto changed = [](const QString& text, QString& shown) {
    shown = Shown(text);
    return shown != text;
  };
  QString shown;
  if (w.isWindow() && changed(w.windowTitle(), shown)) w.setWindowTitle(shown);
  if (changed(w.toolTip(), shown)) w.setToolTip(shown);
  if (auto* l = qobject_cast<QLabel*>(&w)) {
    if (changed(l->text(), shown)) l->setText(shown);
  } else if (auto* b = qobject_cast<QAbstractButton*>(&w)) {
    if (changed(b->text(), shown)) b->setText(shown);
  } else if (auto* g = qobject_cast<QGroupBox*>(&w)) {
    if (changed(g->title(), shown)) g->setTitle(shown);
  } else if (auto* e = qobject_cast<QLineEdit*>(&w)) {
    e->setPlaceholderText(Caption(e->placeholderText()));
  } else if (auto* p = qobject_cast<QPlainTextEdit*>(&w)) {
    p->setPlaceholderText(Caption(p->placeholderText()));
  } else if (auto* c = qobject_cast<QComboBox*>(&w)) {
    if (!c->isEditable())
      for (int i = 0; i < c->count(); ++i) c->setItemText(i, Caption(c->itemText(i)));
  } else if (auto* t = qobject_cast<QTabWidget*>(&w)) {
    for (int i = 0; i < t->count(); ++i) t->setTabText(i, Caption(t->tabText(i)));
  } else if (auto* tw = qobject_cast<QTableWidget*>(&w)) {
    TranslateHeader(*tw);
  } else if (auto* tree = qobject_cast<QTreeWidget*>(&w)) {
    if (QTreeWidgetItem* h = tree->headerItem())
      for (int i = 0; i < h->columnCount(); ++i) h->setText(i, Caption(h->text(i)));
  } else if (auto* m = qobject_cast<QMenu*>(&w)) {
    m->setTitle(Caption(m->title()));
    TranslateActions(m->actions());
  } else if (auto* bar = qobject_cast<QMenuBar*>(&w)) {
    TranslateActions(bar->actions());
  }
}

}  // namespace

const QStringList& Languages() {
  static const QStringList languages = {"ru", "uk", "en"};
  return languages;
}

QString ChooseLanguage(const QString& option, const QString& configured, const QLocale& system) {
  return QString::fromStdString(link::ChooseLanguage(option.toStdString(), configured.toStdString(),
                                                     system.name().toStdString()));
}

QString ConfiguredLanguage(const QString& configPath) {
  const link::IniProfile ini(configPath.toStdString());
  return QString::fromStdString(ini.GetString("Interface", "Language", ""));
}

bool SaveLanguage(const QString& configPath, const QString& language, QString* error) {
  link::IniProfile ini(configPath.toStdString());
  std::string why;
  const bool ok = ini.WriteString("Interface", "Language", language.toStdString(), &why);
  if (!ok && error) *error = QString::fromStdString(why);
  return ok;
}

QString Shown(const QString& text) {
  const QString whole = Caption(text);
  if (whole != text || Catalog().Empty()) return whole;
  static const QRegularExpression cyrillic("[\\x{0400}-\\x{04FF}]");
  if (!text.contains(cyrillic)) return text;  // numbers, names, translated texts
  return QString::fromStdString(Catalog().Translate(text.toStdString()));
}

Translation::~Translation() {
  remove();
}

void Translation::remove() {
  for (QTranslator* t : translators_) {
    QCoreApplication::removeTranslator(t);
    delete t;
  }
  translators_.clear();
  Catalog() = link::TextCatalog();
  qApp->removeEventFilter(this);
}

bool Translation::install(const QString& language) {
  remove();
  language_ = language;
  // Qt's own texts (standard buttons, file dialogs) in the same language.
  const QString qtDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const QString& catalogue : {"qtbase_" + language, "qt_" + language}) {
    auto t = std::make_unique<QTranslator>();
    if (t->load(catalogue, qtDir) && QCoreApplication::installTranslator(t.get()))
      translators_ << t.release();
  }
  if (language == "ru") return true;  // the source texts
  const std::string path = link::FindCatalog(CatalogDirs(), language.toStdString());
  auto own = std::make_unique<QTranslator>();
  if (path.empty() || !own->load(QString::fromStdString(path))) return false;
  QCoreApplication::installTranslator(own.get());
  translators_ << own.release();
  Catalog().Load(path);
  qApp->installEventFilter(this);
  return true;
}

void Translation::translateTree(QWidget& w) {
  TranslateWidget(w);
  for (QWidget* child : w.findChildren<QWidget*>()) TranslateWidget(*child);
}

bool Translation::eventFilter(QObject* watched, QEvent* event) {
  if (watched->isWidgetType()) {
    auto* w = static_cast<QWidget*>(watched);
    // Each widget as it is first polished; a window again each time it is
    // shown, for captions set while it was hidden.
    if (event->type() == QEvent::Polish)
      TranslateWidget(*w);
    else if (event->type() == QEvent::Show && w->isWindow())
      translateTree(*w);
    // A title a window sets for itself as it is shown or later.
    else if (event->type() == QEvent::WindowTitleChange && w->isWindow())
      TranslateWidget(*w);
    // A label or button whose text a window set while it was shown (a
    // result, a state) is translated before it is painted.
    else if (event->type() == QEvent::Paint &&
             (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)))
      TranslateWidget(*w);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tesmar::app

namespace tesmar::app {

QMenu* LanguageMenu(const QString& configPath, Prompt& prompt, QWidget* parent) {
  auto* menu = new QMenu(Ui::tr("Язык интерфейса (со следующего запуска)"), parent);
  menu->setObjectName("languageMenu");
  // Each language under its own name, whatever the language in use.
  const std::pair<const char*, const char*> names[] = {
      {"ru", "Русский"}, {"uk", "Українська"}, {"en", "English"}};
  auto* group = new QActionGroup(menu);
  const QString configured = ConfiguredLanguage(configPath).trimmed().toLower();
  for (const auto& [code, name] : names) {
    QAction* a = menu->addAction(QString::fromUtf8(name));
    a->setData(QString(code));
    a->setCheckable(true);
    a->setChecked(configured == code);
    group->addAction(a);
    QObject::connect(a, &QAction::triggered, menu, [configPath, &prompt, lang = QString(code)] {
      QString error;
      if (SaveLanguage(configPath, lang, &error))
        prompt.showMessage(Ui::tr("Язык интерфейса изменится при следующем запуске программы."));
      else
        prompt.showMessage(Ui::tr("Не удалось записать %1: %2").arg(configPath, error));
    });
  }
  return menu;
}

}  // namespace tesmar::app
