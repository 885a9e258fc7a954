// "Лента": what the software registrar printed, as it prints it: text in a
// fixed-width font at the tape's width, pixel rows (bar codes, the logo)
// drawn as pixels, each document set apart from the next.
#pragma once

#include <QDialog>
#include <QStringList>
#include <QWidget>

#include "app/app_context.h"

class QScrollArea;

namespace tesmar::app {

// The tape's lines in the form the tape file has (UTF-8): a text line, or a
// pixel row written as "▌" followed by "█" for a black pixel and " " for a
// white one.
inline const QString kPixelRowMark = QStringLiteral("▌");
bool IsPixelRow(const QString& line);
// A line made only of "-" or "=" closes a document on the tape.
bool EndsDocument(const QString& line);

class TapeView : public QWidget {
  Q_OBJECT
 public:
  explicit TapeView(QWidget* parent = nullptr);
  void setTapeWidth(int characters);
  void appendLine(const QString& line);
  void clear();
  const QStringList& lines() const { return lines_; }
  // The whole tape drawn on white, as the saved picture has it.
  QImage render() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  int lineHeight(const QString& line) const;
  void paintTape(QPainter& p) const;

  QStringList lines_;
  int width_ = 32;
};

class TapeWindow : public QDialog {
  Q_OBJECT
 public:
  TapeWindow(AppContext& ctx, QWidget* parent = nullptr);
  // Safe from any thread: the line reaches the view through the event loop.
  void post(const QString& line);
  void savePng();  // "Сохранить PNG"
  TapeView* view() const { return view_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void append(const QString& line);

  AppContext& ctx_;
  TapeView* view_;
  QScrollArea* scroll_;
};

// The demo's "Лента" item in the "Команды" menu.
struct WindowRow;
WindowRow TapeWindowRow();

}  // namespace tesmar::app
