#pragma once
// ImageCarte: the widget that shows the map picture at its natural size
// inside the scroll box and reports pointer events in picture pixels.
#include <QImage>
#include <QWidget>

namespace orvex {

class MapPicture : public QWidget {
  Q_OBJECT
 public:
  explicit MapPicture(QWidget* parent = nullptr);
  // The picture shown; owned elsewhere (the map canvas), must outlive this widget's use of it.
  void SetPicture(const QImage* picture);
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
  const QImage* picture_ = nullptr;
};

}  // namespace orvex
