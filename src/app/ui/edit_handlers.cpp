#include "app/ui/edit_handlers.h"

#include <QGuiApplication>
#include <QMenuBar>

#include "app/ui/form_intro_alt.h"
#include "app/ui/form_princ.h"
#include "app/ui/map_picture.h"
#include "app/ui/pointer_handlers.h"
#include "mapview/curve_editing.h"
#include "platform/ui/qt_text.h"

namespace orvex {
namespace {

const char* const kAideCreation =
    "Cliquez sur les points définissant la courbe et ESC pour finir la courbe. DEL (<-) pour supprimer le dernier point";
constexpr int kLargeurTraitCreation = 2;

}  // namespace

EditHandlers::EditHandlers(TFormPrinc& form) : form_(form) { BuildMenus(); }

QAction* EditHandlers::AddAction(QMenu* menu, const QString& text, const char* name,
                                 void (EditHandlers::*handler)()) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  connect(action, &QAction::triggered, this, handler);
  return action;
}

void EditHandlers::BuildMenus() {
  QMenu* edition = form_.menuBar()->addMenu(QStringLiteral("&Edition"));
  edition->setObjectName("Edition1");
  Crerunecourbedeniveau1 = AddAction(edition, QString::fromUtf8("Créer une courbe de niveau"),
                                     "Crerunecourbedeniveau1", &EditHandlers::Crerunecourbedeniveau1Click);
  Editerunecourbedeniveau1 = AddAction(edition, QStringLiteral("Editer une courbe de niveau"),
                                       "Editerunecourbedeniveau1", &EditHandlers::Editerunecourbedeniveau1Click);
  for (QAction* ticked : {Crerunecourbedeniveau1, Editerunecourbedeniveau1}) {
    ticked->setCheckable(true);
  }
  // The city entry sits in the map-image menu, shown while a scanned map is.
  MenuAjoutervilles = form_.findChild<QAction*>("MenuAjoutervilles");
  connect(MenuAjoutervilles, &QAction::triggered, this, &EditHandlers::MenuAjoutervillesClick);

  PopupMenuNiveau = new QMenu(&form_);
  PopupMenuNiveau->setObjectName("PopupMenuNiveau");
  ModifAltitude = AddAction(PopupMenuNiveau, QStringLiteral("Modifier l'altitude"), "ModifAltitude",
                            &EditHandlers::ModifAltitudeClick);
  PopupMenuNiveau->addSeparator();
  Ajouterunpoint1 = AddAction(PopupMenuNiveau, QStringLiteral("Ajouter un point"), "Ajouterunpoint1",
                              &EditHandlers::Ajouterunpoint1Click);
  Supprimerunpoint1 = AddAction(PopupMenuNiveau, QStringLiteral("Supprimer un point"), "Supprimerunpoint1",
                                &EditHandlers::Supprimerunpoint1Click);
  Supprimerlacourbe1 = AddAction(PopupMenuNiveau, QStringLiteral("Supprimer la courbe"), "Supprimerlacourbe1",
                                 &EditHandlers::Supprimerlacourbe1Click);
  PopupMenuNiveau->addSeparator();
  ProlongeCoube = AddAction(PopupMenuNiveau, QStringLiteral("Prolonger la courbe sur 1er ou dernier point"),
                            "ProlongeCoube", &EditHandlers::ProlongeCoubeClick);
  PopupMenuNiveau->addSeparator();
  Arrtdeldition1 = AddAction(PopupMenuNiveau, QString::fromUtf8("Arrêt de l'édition"), "Arrtdeldition1",
                             &EditHandlers::Arrtdeldition1Click);
}

CurveEditing& EditHandlers::Editing() { return form_.State().curveEditing; }

CityEntry& EditHandlers::City() { return form_.State().cityEntry; }

void EditHandlers::Status(const QString& text) { form_.StaticTextInfo->setText(text); }

bool EditHandlers::CurveModeTicked() const { return Crerunecourbedeniveau1->isChecked() || EditModeTicked(); }

bool EditHandlers::EditModeTicked() const { return Editerunecourbedeniveau1->isChecked(); }

bool EditHandlers::CityEntryTicked() const { return MenuAjoutervilles->isChecked(); }

QMenu* EditHandlers::MapMenu() const {
  if (!EditModeTicked()) {
    return form_.Pointer().PopupMenuGeneral;
  }
  return popupNiveau_ ? PopupMenuNiveau : nullptr;
}

void EditHandlers::SetModes(bool creation, bool edition) {
  CurveEditing& e = Editing();
  Crerunecourbedeniveau1->setChecked(creation);
  Editerunecourbedeniveau1->setChecked(edition);
  e.Creation = creation;
  e.Edition = edition;
  e.CreationCount = 0;
  e.CreationSegments.clear();
  e.ButtonDown = e.PointMoved = false;
  EraseSelectionMarkers(form_.MapCanvas(), e);
  popupNiveau_ = false;
  PointerInteraction& s = form_.Pointer().Interaction();
  if (s.MeasureActive && form_.State().redraw.RubberBandShown) {
    DrawXorBand(form_.MapCanvas(), s.Band);
  }
  StopMeasure(s, form_.State().redraw);
}

void EditHandlers::Crerunecourbedeniveau1Click() {
  const bool creation = Crerunecourbedeniveau1->isChecked();
  SetModes(creation, false);
  if (!creation) {
    Status(QStringLiteral(" "));
    return;
  }
  Status(QString::fromUtf8(kAideCreation) + QLatin1Char('\n') +
         QString::fromUtf8("ATTENTION, les points de la nouvelle courbe seront stockés dans le fichier ") +
         ToQString(FichierDesNouvellesCourbes(form_.State().tables.TableNiveaux)));
  form_.RequestRedraw();
}

void EditHandlers::Editerunecourbedeniveau1Click() {
  const bool edition = Editerunecourbedeniveau1->isChecked();
  SetModes(false, edition);
  if (edition) {
    Status(QString::fromUtf8("Mode édition (modification) d'une courbe de niveau : cliquez dans les carrés "
                             "de la courbe et glissez la souris en maintenant le bouton gauche enfoncé. "
                             "Accès au menu par bouton droit souris. Arrêt en déselectionnant le menu principal"));
    Ajouterunpoint1->setVisible(false);
    Supprimerunpoint1->setVisible(false);
    Editing().LastClickedPoint = Editing().PreviousClickedPoint = -1;
  } else {
    Status(QStringLiteral(" "));
  }
  form_.RequestRedraw();
}

void EditHandlers::Arrtdeldition1Click() {
  SetModes(false, false);
  Status(QStringLiteral(" "));
  form_.RequestRedraw();
}

void EditHandlers::ShowOrigin() {
  const PointerInteraction& s = form_.Pointer().Interaction();
  form_.LgOrGP2->setText(LongitudeLabel(s.MeasureOrigin.Longitude));
  form_.LtOrGP2->setText(LatitudeLabel(s.MeasureOrigin.Latitude));
}

void EditHandlers::ImageCarteMouseDown(int x, int y, Qt::MouseButton button) {
  ProgramState& state = form_.State();
  if (CityEntryTicked() && button == Qt::LeftButton && PointerPositionKnown(state.projection)) {
    City() = CityEntry{true, x, y, 0, false};
  }
  if (!EditModeTicked() || button != Qt::LeftButton || QGuiApplication::keyboardModifiers() != Qt::NoModifier ||
      form_.Pointer().Interaction().ZoomMode || !PointerPositionKnown(state.projection)) {
    return;
  }
  CurveEditing& e = Editing();
  Canvas& canvas = form_.MapCanvas();
  EraseSelectionMarkers(canvas, e);
  e.ButtonDown = true;
  state.tables.ModifNiveaux = true;
  const bool wasSelected = e.PointSelected;
  const std::int32_t file = e.SelectedFile;
  const std::int32_t curve = e.SelectedCurve;
  const bool found = FindCurvePoint(e, state.tables.TableNiveaux, YToLat(state.projection, y),
                                    XToLon(state.projection, x));
  if (!found || !wasSelected || file != e.SelectedFile || curve != e.SelectedCurve) {
    e.LastClickedPoint = e.PreviousClickedPoint = -1;
    Ajouterunpoint1->setVisible(false);
  }
  Supprimerunpoint1->setVisible(found);
  if (found) {
    const TCourbeNiveau& courbe = *CourbeSelectionnee(e, state.tables.TableNiveaux);
    DrawSelectionMarkers(canvas, state.projection, courbe, e, state.projection.BackgroundActive);
    Ajouterunpoint1->setVisible(NoteClic(e));
    Status(Utf8ToQString(std::to_string(e.SelectedAltitude) + " m ; Courbe " + std::to_string(e.SelectedCurve) +
                 " ; Point " + std::to_string(e.SelectedPoint) + " ; Fichier ") +
           ToQString(state.tables.TableNiveaux.Fichiers[e.SelectedFile].NomFichier));
    popupNiveau_ = true;
  }
  form_.ImageCarte->update();
}

bool EditHandlers::CurveEditMove() {
  if (!EditModeTicked()) {
    return false;
  }
  ProgramState& state = form_.State();
  CurveEditing& e = Editing();
  TCourbeNiveau* courbe = CourbeSelectionnee(e, state.tables.TableNiveaux);
  if (!e.ButtonDown || e.SelectedAltitude == 0 || courbe == nullptr || !PointerPositionKnown(state.projection)) {
    return true;
  }
  Canvas& canvas = form_.MapCanvas();
  const bool background = state.projection.BackgroundActive;
  // The markers go first, so that the picture they covered comes back whole.
  EraseSelectionMarkers(canvas, e);
  for (const RubberBand& segment : DragSegments(state.projection, *courbe, e.SelectedPoint, background)) {
    DrawXorBand(canvas, segment);
  }
  const PointerInteraction& s = form_.Pointer().Interaction();
  courbe->Points[e.SelectedPoint] = {ToFixed(s.PointerLatitude), ToFixed(s.PointerLongitude)};
  for (const RubberBand& segment : DragSegments(state.projection, *courbe, e.SelectedPoint, background)) {
    DrawXorBand(canvas, segment);
  }
  e.PointMoved = true;
  form_.ImageCarte->update();
  return true;
}

void EditHandlers::ImageCarteMouseUp(Qt::MouseButton button) {
  if (button != Qt::LeftButton) {
    return;
  }
  if (CityEntryTicked() && City().AjoutVilles) {
    AddCity();
  }
  City().AjoutVilles = false;
  CurveEditing& e = Editing();
  e.ButtonDown = false;
  if (!e.PointMoved) {
    return;
  }
  e.PointMoved = false;
  // The strokes the point was dragged from go with a redraw; the mark then
  // shows where the point now lies.
  ProgramState& state = form_.State();
  form_.RequestRedraw();
  if (const TCourbeNiveau* courbe = CourbeSelectionnee(e, state.tables.TableNiveaux);
      courbe != nullptr && e.SelectedPoint < courbe->NbPoints()) {
    const TPointLtLg& point = courbe->Points[e.SelectedPoint];
    DrawPointMark(form_.MapCanvas(), state.projection, point.Lg, point.Lt, courbe->Altitude);
  }
  form_.ImageCarte->update();
}

std::int32_t EditHandlers::AskAltitude(std::int32_t current) {
  TFormIntroAlt dialog(&form_);
  dialog.exec();
  return dialog.Altitude() != 0 ? dialog.Altitude() : current;
}

// The curve files cannot hold a curve below 2 m: the reader would stop there.
bool EditHandlers::AltitudeAccepted(std::int32_t altitude) {
  if (altitude >= kAltitudeMinimumCourbe) {
    return true;
  }
  Status(QString::fromUtf8("L'altitude d'une courbe doit être de 2 m au moins"));
  return false;
}

void EditHandlers::ModifAltitudeClick() {
  ProgramState& state = form_.State();
  CurveEditing& e = Editing();
  TCourbeNiveau* courbe = CourbeSelectionnee(e, state.tables.TableNiveaux);
  if (courbe == nullptr) {
    return;
  }
  e.EnteredAltitude = AskAltitude(courbe->Altitude);
  courbe = CourbeSelectionnee(e, state.tables.TableNiveaux);
  if (courbe == nullptr || e.EnteredAltitude == courbe->Altitude || !AltitudeAccepted(e.EnteredAltitude)) {
    return;
  }
  courbe->Altitude = e.EnteredAltitude;
  state.tables.ModifNiveaux = true;
  form_.RequestRedraw();
  if (e.SelectedPoint < courbe->NbPoints()) {
    DrawPointText(form_.MapCanvas(), state.projection, courbe->Points[e.SelectedPoint], courbe->Altitude, 10, 10,
                  std::to_string(courbe->Altitude) + " m");
  }
  form_.ImageCarte->update();
}

void EditHandlers::Ajouterunpoint1Click() {
  ProgramState& state = form_.State();
  CurveEditing& e = Editing();
  const std::int32_t k = InserePoint(e, state.tables.TableNiveaux);
  if (k < 0) {
    return;
  }
  state.tables.ModifNiveaux = true;
  Status(QString::fromUtf8("Le point a été ajouté entre les deux derniers points cliqués"));
  Ajouterunpoint1->setVisible(false);
  Supprimerunpoint1->setVisible(false);
  form_.RequestRedraw();
  const TCourbeNiveau& courbe = *CourbeSelectionnee(e, state.tables.TableNiveaux);
  DrawPointText(form_.MapCanvas(), state.projection, courbe.Points[k], 0, 5, 0, "Nouveau point");
  form_.ImageCarte->update();
}

void EditHandlers::Supprimerunpoint1Click() {
  ProgramState& state = form_.State();
  switch (SupprimePoint(Editing(), state.tables.TableNiveaux)) {
    case SuppressionPoint::AvantDernier:
      // Deleting the whole curve is the other command.
      Status(QString::fromUtf8("C'est l'avant dernier point de la courbe et il ne peut être supprimé. "
                               "Pour supprimer une courbe, sélectionnez \"Supprimer la courbe\" dans le menu."));
      return;
    case SuppressionPoint::Supprime:
      state.tables.ModifNiveaux = true;
      Status(QString::fromUtf8("Le point courant a été supprimé "));
      Ajouterunpoint1->setVisible(false);
      Supprimerunpoint1->setVisible(false);
      form_.RequestRedraw();
      return;
    case SuppressionPoint::AucunPoint:
      return;
  }
}

void EditHandlers::Supprimerlacourbe1Click() {
  ProgramState& state = form_.State();
  CurveEditing& e = Editing();
  if (state.tables.TableNiveaux.Fichiers.empty() || CourbeSelectionnee(e, state.tables.TableNiveaux) == nullptr) {
    return;
  }
  const std::string question = "Vous êtes sur le point de supprimer la courbe de niveau n°" +
                               std::to_string(e.SelectedCurve) + ". Etes-vous sûr ?";
  if (form_.UserDialogs().Ask(question, false) != Answer::Yes) {
    return;
  }
  DeleteCurve(state.tables.TableNiveaux, e.SelectedFile, e.SelectedCurve);
  state.tables.ModifNiveaux = true;
  e.PointSelected = false;
  e.LastClickedPoint = e.PreviousClickedPoint = -1;
  Ajouterunpoint1->setVisible(false);
  Supprimerunpoint1->setVisible(false);
  popupNiveau_ = false;
  Status(QString::fromUtf8("La courbe a été supprimée "));
  form_.RequestRedraw();
}

void EditHandlers::ProlongeCoubeClick() {
  ProgramState& state = form_.State();
  CurveEditing& e = Editing();
  PointerInteraction& s = form_.Pointer().Interaction();
  Status(QString::fromUtf8("Prolonge la courbe à condition de cliquer sur le 1er ou le dernier point "));
  EraseSelectionMarkers(form_.MapCanvas(), e);
  if (!FindCurvePoint(e, state.tables.TableNiveaux, s.PointerLatitude, s.PointerLongitude) ||
      !ProlongeCourbe(e, state.tables.TableNiveaux)) {
    return;
  }
  const std::int32_t file = e.CreationFile;
  const std::int32_t curve = e.CreationCurve;
  const std::int32_t count = e.CreationCount;
  SetModes(true, false);
  e.CreationFile = file;
  e.CreationCurve = curve;
  e.CreationCount = count;
  state.tables.ModifNiveaux = true;
  Status(QString::fromUtf8(kAideCreation));
  form_.RequestRedraw();
  // New points follow the last one: the band starts there.
  const TPointLtLg& last = CourbeDe(state.tables.TableNiveaux, file, curve)->Points.back();
  const ScreenPoint anchor = FixedToScreen(state.projection, last.Lg, last.Lt, 0);
  s.AnchorX = anchor.x;
  s.AnchorY = anchor.y;
  s.MeasureOrigin = {FromFixed(last.Lg), FromFixed(last.Lt)};
  s.MeasureActive = true;
  s.RubberBandWidth = kLargeurTraitCreation;
  ShowOrigin();
}

bool EditHandlers::CreationClick() {
  if (!Crerunecourbedeniveau1->isChecked()) {
    return false;
  }
  ProgramState& state = form_.State();
  PointerInteraction& s = form_.Pointer().Interaction();
  if (s.ZoomMode) {
    return false;
  }
  if (!PointerPositionKnown(state.projection)) {
    return true;
  }
  CurveEditing& e = Editing();
  state.tables.ModifNiveaux = true;
  AjoutePointCreation(e, state.tables.TableNiveaux, ToFixed(s.PointerLatitude), ToFixed(s.PointerLongitude));
  // The band drawn to this point stays as the curve's segment; the next one
  // starts here. The list keeps the last segments in order: a segment not
  // drawn as a band breaks it, and Backspace then redraws the map.
  if (e.CreationCount > 1 && s.MeasureActive && state.redraw.RubberBandShown) {
    e.CreationSegments.push_back(s.Band);
  } else {
    e.CreationSegments.clear();
  }
  state.redraw.RubberBandShown = false;
  StartMeasure(s);
  s.RubberBandWidth = kLargeurTraitCreation;
  ShowOrigin();
  return true;
}

void EditHandlers::CreationBackspace() {
  CurveEditing& e = Editing();
  if (!Crerunecourbedeniveau1->isChecked() || e.CreationCount < 1) {
    return;
  }
  ProgramState& state = form_.State();
  PointerInteraction& s = form_.Pointer().Interaction();
  Canvas& canvas = form_.MapCanvas();
  if (state.redraw.RubberBandShown) {
    DrawXorBand(canvas, s.Band);
    state.redraw.RubberBandShown = false;
  }
  // Segments drawn before the last redraw are no longer on the picture as xor
  // figures: the map is redrawn instead.
  const bool redraw = e.CreationCount > 1 && e.CreationSegments.empty();
  const TCourbeNiveau* courbe = CourbeDe(state.tables.TableNiveaux, e.CreationFile, e.CreationCurve);
  if (courbe != nullptr && courbe->NbPoints() > 1) {
    if (!redraw) {
      DrawXorBand(canvas, e.CreationSegments.back());
      e.CreationSegments.pop_back();
    }
    const TPointLtLg& origin = courbe->Points[courbe->Points.size() - 2];
    s.MeasureOrigin = {FromFixed(origin.Lg), FromFixed(origin.Lt)};
    s.MeasureActive = true;
    ShowOrigin();
  } else {
    StopMeasure(s, state.redraw);
  }
  RetirePointCreation(e, state.tables.TableNiveaux);
  state.tables.ModifNiveaux = true;
  if (redraw) {
    form_.RequestRedraw();
  }
  if (s.MeasureActive) {
    s.Band = MeasureLine(state.projection, s);
    DrawXorBand(canvas, s.Band);
    state.redraw.RubberBandShown = true;
  }
  form_.ImageCarte->update();
}

void EditHandlers::CreationEscape() {
  CurveEditing& e = Editing();
  if (!Crerunecourbedeniveau1->isChecked()) {
    return;
  }
  ProgramState& state = form_.State();
  TCourbeNiveau* courbe = CourbeDe(state.tables.TableNiveaux, e.CreationFile, e.CreationCurve);
  if (e.CreationCount < 2 || courbe == nullptr) {
    Status(QStringLiteral("Trop peu de points pour constituer une courbe"));
    return;
  }
  e.EnteredAltitude = AskAltitude(courbe->Altitude);
  if (!AltitudeAccepted(e.EnteredAltitude)) {
    return;
  }
  CourbeDe(state.tables.TableNiveaux, e.CreationFile, e.CreationCurve)->Altitude = e.EnteredAltitude;
  e.CreationCount = 0;
  e.CreationSegments.clear();
  StopMeasure(form_.Pointer().Interaction(), state.redraw);
  form_.RequestRedraw();
}

}  // namespace orvex
