#include "app/qt/strip.h"

#include <QPainter>

namespace modian {

Strip::Strip(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void Strip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace modian
