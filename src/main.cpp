// Program entry: the main window runs the start-up sequence before the event
// loop; a failed start-up ends the program with a non-zero status.
#include <QApplication>
#include <QScreen>
#include <filesystem>

#include "app/ui/form_princ.h"
#include "platform/ui/qt_dialogs.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ORVEXIS Cartographie numérique vectorisée"));
  QApplication::setApplicationVersion(QStringLiteral(ORVEX_VERSION));
  orvex::QtDialogs dialogs;
  orvex::TFormPrinc form(dialogs, std::filesystem::current_path());
  dialogs.SetParent(&form);
  if (!form.FormCreate()) {
    return 1;
  }
  // Without a window manager "maximised" means nothing: take the screen first.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    form.setGeometry(screen->availableGeometry());
  }
  form.showMaximized();
  return QApplication::exec();
}
