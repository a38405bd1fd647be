#pragma once
// A widget that shows a canvas at its natural size: the pictures of the 3D
// dialogs and the ground view's compass.
#include <QWidget>

#include "mapview/canvas.h"

namespace orvex {

class ImageCanvas : public QWidget {
  Q_OBJECT
 public:
  ImageCanvas(int largeur, int hauteur, const char* nom, QWidget* parent = nullptr);
  Canvas& Dessin() { return canvas_; }
  // A new size: the picture turns black.
  void Redimensionne(int largeur, int hauteur);
  QSize sizeHint() const override { return QSize(canvas_.Width(), canvas_.Height()); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Canvas canvas_;
};

}  // namespace orvex
