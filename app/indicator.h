// The rounded-square connection lamp of the main window.
#pragma once

#include <QWidget>

namespace tesmar::app {

class Indicator : public QWidget {
  Q_OBJECT
 public:
  enum class Color { Red, Yellow, Green };
  explicit Indicator(QWidget* parent = nullptr);
  void setColor(Color c);
  Color color() const { return color_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Color color_ = Color::Red;
};

}  // namespace tesmar::app
