#include "app/exchange_log_window.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "link/atomic_file.h"
#include "app/command_test_dialog.h"

namespace tesmar::app {

ExchangeLogWindow::ExchangeLogWindow(AppContext& ctx, ExchangeLogModel& model, QWidget* parent)
    : QDialog(parent), ctx_(ctx), model_(model), filter_(this) {
  setWindowTitle(Tesmar::mark("Журнал обмена"));
  setWindowFlags(Qt::Window);
  resize(1100, 600);
  filter_.setSourceModel(&model_);
  table_ = new QTableView;
  table_->setModel(&filter_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
  // Widths by what the columns hold: measuring 100,000 rows would stall.
  const int w = table_->fontMetrics().averageCharWidth();
  const int chars[ExchangeLogModel::kColumns] = {13, 5, 5, 34, 24, 7, 30, 18, 9, 7};
  for (int c = 0; c < ExchangeLogModel::kColumns; ++c)
    table_->setColumnWidth(c, (chars[c] + 2) * w);
  frames_ = new QPlainTextEdit;
  frames_->setReadOnly(true);
  frames_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  code_ = new QLineEdit;
  code_->setMaxLength(2);
  code_->setPlaceholderText(Tesmar::mark("все"));
  failures_ = new QCheckBox(Tesmar::mark("Только ошибки"));
  auto* save = new QPushButton(Tesmar::mark("Сохранить"));
  auto* clear = new QPushButton(Tesmar::mark("Очистить"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  for (QPushButton* b : {save, clear, close}) b->setAutoDefault(false);
  connect(code_, &QLineEdit::textChanged, this, &ExchangeLogWindow::applyCode);
  connect(failures_, &QCheckBox::toggled, &filter_, &ExchangeLogFilter::setFailuresOnly);
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &ExchangeLogWindow::showFrames);
  connect(save, &QPushButton::clicked, this, &ExchangeLogWindow::save);
  connect(clear, &QPushButton::clicked, &model_, &ExchangeLogModel::clear);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  // New rows keep the newest in view unless the user has scrolled up.
  connect(&filter_, &QAbstractItemModel::rowsAboutToBeInserted, this,
          [this] { following_ = atNewest(); });
  connect(&filter_, &QAbstractItemModel::rowsInserted, table_, [this] {
    if (following_) table_->scrollToBottom();
  });
  auto* bar = new QHBoxLayout;
  bar->addWidget(new QLabel(Tesmar::mark("Код:")));
  bar->addWidget(code_);
  bar->addWidget(failures_);
  bar->addStretch();
  bar->addWidget(save);
  bar->addWidget(clear);
  bar->addWidget(close);
  auto* split = new QSplitter(Qt::Vertical);
  split->addWidget(table_);
  split->addWidget(frames_);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 1);
  auto* root = new QVBoxLayout(this);
  root->addLayout(bar);
  root->addWidget(split);
}

bool ExchangeLogWindow::atNewest() const {
  const QScrollBar* bar = table_->verticalScrollBar();
  return bar->value() >= bar->maximum();
}

// The log opens at its newest row.
void ExchangeLogWindow::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  table_->scrollToBottom();
}

void ExchangeLogWindow::applyCode() {
  const int code = code_->text().size() == 2 ? ParseConsoleCode(code_->text()) : -1;
  filter_.setCode(code);
}

void ExchangeLogWindow::showFrames() {
  const QModelIndex i = filter_.mapToSource(table_->currentIndex());
  if (!i.isValid()) {
    frames_->clear();
    return;
  }
  const LoggedExchange& e = model_.at(i.row());
  frames_->setPlainText(Tesmar::mark("Запрос:\n") + HexDump(e.request) + Tesmar::mark("\nОтвет:\n") +
                        (e.reply.isEmpty() ? QString(Tesmar::mark("(нет ответа)\n")) : HexDump(e.reply)));
}

QString ExchangeLogWindow::csv() const {
  QStringList header;
  for (int c = 0; c < ExchangeLogModel::kColumns; ++c)
    header << model_.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
  QString out = CsvLine(header) + "\n";
  for (int r = 0; r < filter_.rowCount(); ++r) {
    const int row = filter_.mapToSource(filter_.index(r, 0)).row();
    QStringList cells;
    for (int c = 0; c < ExchangeLogModel::kColumns; ++c) cells << model_.text(row, c);
    out += CsvLine(cells) + "\n";
  }
  return out;
}

void ExchangeLogWindow::save() {
  model_.flush();  // what has happened until now, not what the next batch shows
  QString file = ctx_.prompt.saveFileName(Tesmar::mark("Сохранить журнал обмена"), "CSV (*.csv)");
  if (file.isEmpty()) return;
  file = WithDefaultExtension(file, "csv");
  if (!link::WriteFileAtomically(file.toStdString(), csv().toStdString()))
    ctx_.prompt.showMessage(Tesmar::mark("Журнал обмена не сохранен в ") + file + "!");
  else
    ctx_.showStatus(Tesmar::mark("Журнал обмена сохранен в ") + file);
}

}  // namespace tesmar::app
