#include "terrain/ui/image_canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace orvex {

ImageCanvas::ImageCanvas(int largeur, int hauteur, const char* nom, QWidget* parent, Taille taille)
    : QWidget(parent), canvas_(largeur, hauteur), taille_(taille) {
  setObjectName(nom);
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (taille_ == Taille::Fixe) {
    setFixedSize(largeur, hauteur);
  } else {
    setMinimumSize(largeur, hauteur);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  }
}

void ImageCanvas::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (taille_ == Taille::SuitLeWidget && size() != QSize(canvas_.Width(), canvas_.Height())) {
    canvas_.SetSize(width(), height());
    emit Redimensionnee();
  }
}

void ImageCanvas::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), canvas_.Image(), event->rect());
}

}  // namespace orvex
