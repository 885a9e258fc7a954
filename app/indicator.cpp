#include "app/indicator.h"

#include <QPainter>

namespace tesmar::app {

Indicator::Indicator(QWidget* parent) : QWidget(parent) {
  setFixedSize(22, 22);
}

void Indicator::setColor(Color c) {
  color_ = c;
  update();
}

void Indicator::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor fill = color_ == Color::Red      ? QColor(220, 30, 30)
                      : color_ == Color::Yellow ? QColor(240, 200, 0)
                                                : QColor(30, 180, 60);
  p.setBrush(fill);
  p.setPen(fill.darker(150));
  p.drawRoundedRect(rect().adjusted(2, 2, -2, -2), 5, 5);
}

}  // namespace tesmar::app
