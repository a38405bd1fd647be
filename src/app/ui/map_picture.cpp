#include "app/ui/map_picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvex {

MapPicture::MapPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("ImageCarte");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void MapPicture::SetCanvas(const Canvas* canvas) {
  canvas_ = canvas;
  CanvasResized();
}

void MapPicture::CanvasResized() {
  if (canvas_ != nullptr) {
    resize(canvas_->Width(), canvas_->Height());
  }
  update();
}

QSize MapPicture::sizeHint() const { return canvas_ != nullptr ? QSize(canvas_->Width(), canvas_->Height()) : QSize(); }

void MapPicture::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (canvas_ != nullptr) {
    painter.drawImage(event->rect(), canvas_->Image(), event->rect());
  } else {
    painter.fillRect(event->rect(), Qt::black);
  }
}

void MapPicture::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit MouseMoved(p.x(), p.y());
}

void MapPicture::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit MousePressed(p.x(), p.y(), event->button());
}

void MapPicture::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit MouseReleased(p.x(), p.y(), event->button());
}

void MapPicture::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit DoubleClicked(p.x(), p.y());
}

}  // namespace orvex
