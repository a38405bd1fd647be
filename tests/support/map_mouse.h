#pragma once
// Mouse events sent straight to the map picture widget, as a user's hand
// would make them (the button is held from press to release).
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace orvex::testing {

inline void SendMouse(QWidget* map, QEvent::Type type, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  const QPointF at(x, y);
  QMouseEvent event(type, at, map->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(map, &event);
}

}  // namespace orvex::testing
