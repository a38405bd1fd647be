// The main window's grid import command.
#include <QMenuBar>

#include "app/grid_import_command.h"
#include "app/ui/form_princ.h"
#include "app/ui/map_picture.h"
#include "platform/ui/qt_text.h"

namespace orvex {

void TFormPrinc::BuildImportMenu() {
  auto* fichier = menuBar()->findChild<QMenu*>("Fichier1");
  Importationdonnes1 = new QAction(QStringLiteral("Importation de données"), this);
  Importationdonnes1->setObjectName("Importationdonnes1");
  connect(Importationdonnes1, &QAction::triggered, this, &TFormPrinc::Importationdonnes1Click);
  fichier->insertAction(Quitter1, Importationdonnes1);
  fichier->insertSeparator(Quitter1);
}

void TFormPrinc::Importationdonnes1Click() {
  // The status line shows file names: never read them as markup.
  StaticTextInfo->setTextFormat(Qt::PlainText);
  const ImportationHooks hooks{[this] { RequestRedraw(); }, [this] { ImageCarte->repaint(); },
                               [this](const std::string& text) { StaticTextInfo->setText(Utf8ToQString(text)); }};
  Importationdonnes(state_, canvas_, dialogs_, hooks);
}

}  // namespace orvex
