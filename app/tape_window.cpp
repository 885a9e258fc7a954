#include "app/tape_window.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "link/atomic_file.h"
#include "app/window_table.h"

namespace tesmar::app {

namespace {
constexpr int kMargin = 8;
constexpr int kDocumentGap = 18;  // blank tape between two documents
constexpr int kPixelSize = 1;

QFont TapeFont() {
  QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  f.setPointSize(10);
  return f;
}
}  // namespace

bool IsPixelRow(const QString& line) {
  return line.startsWith(kPixelRowMark);
}

bool EndsDocument(const QString& line) {
  if (line.size() < 8) return false;
  for (QChar c : line)
    if (c != '-' && c != '=') return false;
  return true;
}

TapeView::TapeView(QWidget* parent) : QWidget(parent) {
  setFont(TapeFont());
  setAutoFillBackground(false);
}

void TapeView::setTapeWidth(int characters) {
  width_ = characters > 0 ? characters : 32;
  updateGeometry();
  adjustSize();
  update();
}

void TapeView::appendLine(const QString& line) {
  lines_ << line;
  adjustSize();
  update();
}

void TapeView::clear() {
  lines_.clear();
  adjustSize();
  update();
}

int TapeView::lineHeight(const QString& line) const {
  const int h = IsPixelRow(line) ? kPixelSize : fontMetrics().height();
  return h + (EndsDocument(line) ? kDocumentGap : 0);
}

QSize TapeView::sizeHint() const {
  int h = 2 * kMargin;
  for (const QString& l : lines_) h += lineHeight(l);
  const int textWidth = fontMetrics().horizontalAdvance(QString(width_, 'W'));
  return {textWidth + 2 * kMargin, h};
}

void TapeView::paintTape(QPainter& p) const {
  p.setFont(font());
  p.setPen(Qt::black);
  const QFontMetrics fm = fontMetrics();
  int y = kMargin;
  for (const QString& l : lines_) {
    if (IsPixelRow(l)) {
      for (int x = 1; x < l.size(); ++x)
        if (l[x] != ' ')
          p.fillRect(kMargin + (x - 1) * kPixelSize, y, kPixelSize, kPixelSize, Qt::black);
    } else {
      p.drawText(kMargin, y + fm.ascent(), l);
    }
    y += lineHeight(l);
    if (EndsDocument(l)) {
      p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
      p.drawLine(0, y - kDocumentGap / 2, sizeHint().width(), y - kDocumentGap / 2);
      p.setPen(Qt::black);
    }
  }
}

void TapeView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(255, 253, 240));  // paper
  paintTape(p);
}

QImage TapeView::render() const {
  QImage img(sizeHint(), QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  paintTape(p);
  return img;
}

TapeWindow::TapeWindow(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  setWindowTitle(Tesmar::mark("Лента"));
  setWindowFlags(Qt::Window);
  view_ = new TapeView;
  scroll_ = new QScrollArea;
  scroll_->setWidget(view_);
  scroll_->setWidgetResizable(false);
  auto* clear = new QPushButton(Tesmar::mark("Очистить"));
  auto* save = new QPushButton(Tesmar::mark("Сохранить PNG"));
  auto* close = new QPushButton(Tesmar::mark("Закрыть"));
  for (QPushButton* b : {clear, save, close}) b->setAutoDefault(false);
  connect(clear, &QPushButton::clicked, view_, &TapeView::clear);
  connect(save, &QPushButton::clicked, this, &TapeWindow::savePng);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(clear);
  buttons->addWidget(save);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* root = new QVBoxLayout(this);
  root->addWidget(scroll_);
  root->addLayout(buttons);
  resize(view_->sizeHint().width() + 60, 600);
}

void TapeWindow::showEvent(QShowEvent* e) {
  view_->setTapeWidth(ctx_.state.tapeWidth);
  QDialog::showEvent(e);
}

void TapeWindow::post(const QString& line) {
  QMetaObject::invokeMethod(
      this, [this, line] { append(line); }, Qt::QueuedConnection);
}

void TapeWindow::append(const QString& line) {
  QScrollBar* bar = scroll_->verticalScrollBar();
  const bool atEnd = bar->value() >= bar->maximum() - 4;
  view_->appendLine(line);
  if (atEnd) bar->setValue(bar->maximum());
}

void TapeWindow::savePng() {
  QString file = ctx_.prompt.saveFileName(Tesmar::mark("Сохранить ленту"), "PNG (*.png)");
  if (file.isEmpty()) return;
  file = WithDefaultExtension(file, "png");
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!view_->render().save(&buffer, "PNG") ||
      !link::WriteFileAtomically(file.toStdString(), png.toStdString()))
    ctx_.prompt.showMessage(Tesmar::mark("Лента не сохранена в ") + file + "!");
  else
    ctx_.showStatus(Tesmar::mark("Лента сохранена в ") + file);
}

WindowRow TapeWindowRow() {
  return Row(Menu::Commands, 4, Tesmar::mark("Лента"),
             [](WindowServices& w) { return new TapeWindow(w.ctx, w.parent); })
      .besideOthers();
}

}  // namespace tesmar::app
