#include "app/ui/form_debug.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/dialogs.h"
#include "platform/ui/qt_text.h"

namespace orvex {

TFormDebug::TFormDebug(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint) {
  setObjectName("FormDebug");
  setWindowTitle(QStringLiteral("ORVEX - Démarrage en cours"));
  auto* layout = new QVBoxLayout(this);
  auto* title = NewLabel(this, QStringLiteral("ORVEX 32 - Initialisations en cours"));
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  title->setAlignment(Qt::AlignCenter);
  ListBoxDebug = new QListWidget(this);
  ListBoxDebug->setObjectName("ListBoxDebug");
  layout->addWidget(title);
  layout->addWidget(ListBoxDebug);
  resize(460, 320);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
}

void TFormDebug::AddLine(const std::string& line) {
  EchoLine(line);
  ListBoxDebug->addItem(Utf8ToQString(line));
  ListBoxDebug->scrollToBottom();
  repaint();
  // Shown now, but the serial line waits: its handler must not run before
  // start-up has reset the receive state.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
}

}  // namespace orvex

namespace orvex {

void TFormDebug::RemoveLastLine() {
  if (ListBoxDebug->count() > 0) {
    delete ListBoxDebug->takeItem(ListBoxDebug->count() - 1);
    repaint();
  }
}

}  // namespace orvex
