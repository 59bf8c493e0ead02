#include "app/qt/label.h"

#include <QMouseEvent>

namespace modian {

Label::Label(QWidget* parent) : QLabel(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
  setAutoFillBackground(false);
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, Qt::white);
  setPalette(colours);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
}

void Label::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton || !onLeftButtonPressed) return;
  int keys = 0;
  if (event->modifiers() & Qt::ControlModifier) keys |= 1;
  if (event->modifiers() & Qt::ShiftModifier) keys |= 2;
  if (event->modifiers() & Qt::AltModifier) keys |= 4;
  const QPoint at = event->position().toPoint();
  onLeftButtonPressed(at.x(), at.y(), keys);
}

void Label::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void Label::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

}  // namespace modian
