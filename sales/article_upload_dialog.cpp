#include "sales/article_upload_dialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>

#include "sales/article_store.h"
#include "sales/article_upload.h"
#include "link/document_formatters.h"
#include "sales/non_fiscal_receipt_dialog.h"
#include "app/wire_text.h"

namespace tesmar::sales {

namespace {
constexpr const char* kListCaption = Tesmar::mark("Товары для программирования");
constexpr const char* kFilter = "Product filse -  ART (*.ART *.art);;AllFiles (*.*)";

// The list's text as typed: block by block, because the plain text Qt gives
// turns a non-breaking space (A0h in the file) into a blank.
QString ListText(const QPlainTextEdit* list) {
  QStringList blocks;
  for (QTextBlock b = list->document()->begin(); b.isValid(); b = b.next()) blocks << b.text();
  return blocks.join('\n');
}

// "Регистратор отклонил строки: 2, 5-7 (4 из 9)."
QString LinesPart(const QString& what, const std::vector<size_t>& numbers, size_t total) {
  return QString(Tesmar::mark("%1: %2 (%3 из %4)."))
      .arg(what, QString::fromStdString(LineRanges(numbers)))
      .arg(numbers.size())
      .arg(total);
}

// "Завершено" only when every article line was stored; otherwise which lines
// were not, and why.
QString UploadSummary(const UploadOutcome& out, size_t total) {
  if (out.allStored()) return Tesmar::mark("Завершено");
  QStringList parts{Tesmar::mark("Не все артикулы записаны в регистратор.")};
  if (!out.refused.empty()) parts << LinesPart(Tesmar::mark("Регистратор отклонил строки"), out.refused, total);
  if (!out.unconfirmed.empty())
    parts << LinesPart(Tesmar::mark("Нет ответа регистратора на строки"), out.unconfirmed, total);
  if (!out.notSent.empty()) parts << LinesPart(Tesmar::mark("Не отправлены строки"), out.notSent, total);
  return parts.join('\n');
}
}  // namespace

ArticleUploadDialog::ArticleUploadDialog(app::AppContext& ctx, app::StatusBytesDialog& status,
                                         std::shared_ptr<ArticleStore> articles, QWidget* parent)
    : CommandDialog(ctx, status, Tesmar::mark("Загрузка артикулов в регистратор"), parent),
      articles_(std::move(articles)) {
  list_ = new QPlainTextEdit;
  list_->setObjectName("articles");
  list_->setLineWrapMode(QPlainTextEdit::NoWrap);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  fileName_ = new QLabel;
  fileName_->setObjectName("fileName");
  progress_ = new QProgressBar;
  statusLine_ = new QLabel;
  statusLine_->setObjectName("statusLine");
  auto* load = new QPushButton(Tesmar::mark("Загрузить"));
  upload_ = new QPushButton(Tesmar::mark("Записать в регистратор"));
  auto* clear = new QPushButton(Tesmar::mark("Очистить"));
  auto* quit = new QPushButton(Tesmar::mark("Выход"));
  connect(load, &QPushButton::clicked, this, &ArticleUploadDialog::loadFile);
  connect(upload_, &QPushButton::clicked, this, &ArticleUploadDialog::upload);
  connect(clear, &QPushButton::clicked, this, &ArticleUploadDialog::clearList);
  connect(quit, &QPushButton::clicked, this, &QDialog::accept);
  connect(list_, &QPlainTextEdit::textChanged, this, &ArticleUploadDialog::keepEdits);
  connect(articles_.get(), &ArticleStore::changed, this, &ArticleUploadDialog::showStore);
  statusButton_->setParent(this);
  statusButton_->hide();
  error_->setParent(this);
  error_->hide();
  auto* form = new QFormLayout;
  form->addRow(Tesmar::mark("Пароль: "), password_);
  auto* root = new QVBoxLayout(this);
  root->addWidget(new QLabel(kListCaption));
  root->addWidget(list_);
  root->addWidget(fileName_);
  root->addLayout(form);
  root->addWidget(progress_);
  root->addWidget(statusLine_);
  root->addLayout(app::ButtonRow({load, upload_, clear}, quit));
  showStore();
}

// The store changed (a file was loaded here or by the receipt window).
void ArticleUploadDialog::showStore() {
  fileName_->setText(articles_->path());
  // The list is already what the store holds; refilling it would drop a
  // line end just typed and move the cursor.
  if (editing_) return;
  const QString text = articles_->lines().join('\n');
  if (ListText(list_) == text) return;
  showing_ = true;
  list_->setPlainText(text);
  showing_ = false;
}

// Lines edited by hand are the goods list from now on.
void ArticleUploadDialog::keepEdits() {
  if (showing_) return;
  editing_ = true;
  articles_->setLines(MemoLines(ListText(list_)));
  editing_ = false;
}

void ArticleUploadDialog::loadFile() {
  const QString path = ctx_.prompt.openFileName(Tesmar::mark("Загрузить"), kFilter);
  if (path.isEmpty()) return;
  QString error;
  if (!articles_->load(path, error)) ctx_.prompt.showMessage(error);
}

void ArticleUploadDialog::clearList() {
  list_->clear();
}

void ArticleUploadDialog::upload() {
  std::string pwd;
  if (!typedPassword(pwd)) return;
  // Every line is checked before the first is sent. The store holds the
  // list's lines, those read from the file with every byte as it stands.
  std::vector<std::string> lines;
  for (const QString& line : articles_->lines()) {
    std::string wire;
    if (!app::WireField(ctx_.prompt, kListCaption, line, wire)) return;
    lines.push_back(std::move(wire));
  }
  // An empty range would show a busy bar.
  progress_->setRange(0, std::max<int>(1, static_cast<int>(lines.size())));
  progress_->setValue(0);
  statusLine_->clear();
  upload_->setEnabled(false);
  auto send = [&](std::string_view line) {
    return path_.send([&](link::Driver & d) -> auto& { return link::AddArticleLine(d, pwd, line); })
        .reply;
  };
  // A line without an answer is told in the status line, and the text stays
  // there for the rest of the run.
  const UploadOutcome out = UploadArticles(lines, send, [&](size_t done, bool timedOut) {
    progress_->setValue(static_cast<int>(done));
    if (timedOut) statusLine_->setText(Tesmar::mark("Ошибка! Таймаут устройства! "));
    repaint();
  });
  upload_->setEnabled(true);
  ctx_.prompt.showMessage(UploadSummary(out, lines.size()));
}

}  // namespace tesmar::sales
