// The main window's terrain commands.
#include <QMenuBar>

#include "app/ui/form_princ.h"
#include "terrain/ui/form_filtre.h"

namespace orvex {

void TFormPrinc::BuildTerrainMenu() {
  QMenu* affichage = menuBar()->findChild<QMenu*>("Affichage1");
  if (affichage == nullptr) {
    affichage = menuBar()->addMenu(QStringLiteral("&Affichage"));
    affichage->setObjectName("Affichage1");
  }
  affichage->addSeparator();
  Filtragedeniveau1 =
      affichage->addAction(QStringLiteral("Filtrage de niveau"), this, &TFormPrinc::Filtragedeniveau1Click);
  Filtragedeniveau1->setObjectName("Filtragedeniveau1");
}

void TFormPrinc::Filtragedeniveau1Click() {
  TFormFiltre dialog(state_.display, [this] { RequestRedraw(); }, this);
  dialog.exec();
}

}  // namespace orvex
