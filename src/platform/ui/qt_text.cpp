#include "platform/ui/qt_text.h"

#include "platform/cp1252.h"

namespace orvex {

QString ToQString(const std::string& cp1252) { return Utf8ToQString(Cp1252ToUtf8(cp1252)); }

std::string FromQString(const QString& text) { return Utf8ToCp1252(text.toUtf8().toStdString()); }

QLabel* NewLabel(QWidget* parent, const QString& text) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  return label;
}

QPushButton* NewButton(QWidget* parent, const QString& caption, const char* objectName) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(objectName);
  button->setAutoDefault(false);
  return button;
}

}  // namespace orvex
