#pragma once
// A widget that shows a canvas at its natural size: the pictures of the 3D
// dialogs and the ground view's compass.
#include <QWidget>

#include "mapview/canvas.h"

namespace orvex {

class ImageCanvas : public QWidget {
  Q_OBJECT
 public:
  enum class Taille { Fixe, SuitLeWidget };
  // SuitLeWidget: the picture takes whatever size the layout gives the
  // widget, `largeur` x `hauteur` at least.
  ImageCanvas(int largeur, int hauteur, const char* nom, QWidget* parent = nullptr, Taille taille = Taille::Fixe);
  Canvas& Dessin() { return canvas_; }
  QSize sizeHint() const override { return QSize(canvas_.Width(), canvas_.Height()); }

 signals:
  // The picture took a new size and is black: its owner draws it again.
  void Redimensionnee();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  Canvas canvas_;
  Taille taille_;
};

}  // namespace orvex
