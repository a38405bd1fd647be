#include "terrain/ui/image_canvas.h"

#include <QPaintEvent>
#include <QPainter>

namespace orvex {

ImageCanvas::ImageCanvas(int largeur, int hauteur, const char* nom, QWidget* parent)
    : QWidget(parent), canvas_(largeur, hauteur) {
  setObjectName(nom);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(largeur, hauteur);
}

void ImageCanvas::Redimensionne(int largeur, int hauteur) {
  canvas_.SetSize(largeur, hauteur);
  setFixedSize(largeur, hauteur);
  update();
}

void ImageCanvas::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), canvas_.Image(), event->rect());
}

}  // namespace orvex
