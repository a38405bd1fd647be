#pragma once
// ImageCarte: the widget that shows the map picture at its natural size
// inside the scroll box and reports pointer events in picture pixels.
#include <QImage>
#include <QWidget>

#include "mapview/canvas.h"

namespace orvex {

class MapPicture : public QWidget {
  Q_OBJECT
 public:
  explicit MapPicture(QWidget* parent = nullptr);
  // The canvas shown; owned by the main window, which outlives this widget.
  void SetCanvas(const Canvas* canvas);
  // Follows a change of the canvas size.
  void CanvasResized();
  QSize sizeHint() const override;

 signals:
  void MouseMoved(int x, int y);
  void MousePressed(int x, int y, Qt::MouseButton button);
  void MouseReleased(int x, int y, Qt::MouseButton button);
  void DoubleClicked(int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  const Canvas* canvas_ = nullptr;
};

}  // namespace orvex
