// The main window's city entry: a press on the map gives the city's place,
// the drag its circle, the release asks for its name and file.
#include "app/ui/edit_handlers.h"
#include "app/ui/form_donnees.h"
#include "app/ui/form_princ.h"
#include "app/ui/map_picture.h"
#include "mapview/city_entry.h"
#include "platform/ui/qt_text.h"

namespace orvex {

void EditHandlers::MenuAjoutervillesClick() {
  if (!MenuAjoutervilles->isChecked()) {
    City().AjoutVilles = false;
    Status(QString(9, QLatin1Char(' ')));
    form_.RequestRedraw();  // over a scanned map the cities go with the mark
    return;
  }
  Status(QString::fromUtf8("Ajoute des villes d'après le fond d'une carte. cliquez sur la ville à "
                           "ajouter ; tout en maintenant le clic enfoncé, tirez avec la souris pour "
                           "définir sa taille en ajustant le cercle. Lorsque vous relacherez le bouton "
                           "de la souris, une fenêtre s'ouvrira et vous donnerez le nom de la ville, etc.. "
                           "Pour dévalider la procédure, dévalidez la coche du menu \"Ajouter des villes\""));
  form_.RequestRedraw();
}

void EditHandlers::CityDragMove(int x, int y) {
  if (CityEntryTicked() && City().AjoutVilles) {
    DragCityCircle(form_.MapCanvas(), City(), x, y);
    form_.ImageCarte->update();
  }
}

// An empty name adds nothing: Escape presses Ok, and is how a user drops the city.
void EditHandlers::AddCity() {
  ProgramState& state = form_.State();
  CityEntry& c = City();
  EraseCityCircle(form_.MapCanvas(), c);
  form_.ImageCarte->update();
  QStringList files;
  for (const auto& fichier : state.tables.TableVilles.Fichiers) {
    files << ToQString(fichier.NomFichier);
  }
  TFormDonnees dialog(form_.UserDialogs(), EntreeDonnees::Ville,
                      {form_.LocGP1->text(), form_.ZoomGP1->text(), state.projection.Spherical}, &form_);
  dialog.SetFichiersVilles(files);
  if (dialog.exec() != QDialog::Accepted || dialog.NomVille().trimmed().isEmpty()) {
    return;
  }
  state.tables.ModifVilles = true;
  const ProjectionState& p = state.projection;
  AjouteVille(state.tables.TableVilles, dialog.FichierChoisi(),
              NouvelleVille(XToFixedLon(p, c.PressX), YToFixedLat(p, c.PressY), FromQString(dialog.NomVille()),
                            c.Radius, p.Zoom));
  form_.RequestRedraw();
}

}  // namespace orvex
