// The main window's scanned-map commands: reading a background picture and
// tying it to geography, the command states with and without a background,
// the tie-point clicks, the outlines of the region's maps, loading the map
// of the pointed place and saving the map picture.
#include <QImageReader>
#include <QMenuBar>

#include "app/ui/form_intro_lglt.h"
#include "app/ui/form_princ.h"
#include "app/ui/map_picture.h"
#include "app/ui/pointer_handlers.h"
#include "geo/coordinate_text.h"
#include "images/map_files.h"
#include "images/ui/form_prop_fond.h"
#include "platform/cp1252.h"
#include "platform/paths.h"
#include "platform/ui/qt_text.h"
#include "terrain/ui/form_3d.h"

namespace orvex {
namespace {

// The caption while a background is shown, and after it is taken away.
constexpr char kBaseCaption[] = "ORVEX32 - Cartographique numérique vectorisée";

void ForEachNamed(const QObject& root, std::initializer_list<const char*> names, auto&& change) {
  for (const char* name : names) {
    if (auto* object = root.findChild<QObject*>(name)) {
      change(*object);
    }
  }
}

void SetVisible(QObject& object, bool visible) {
  if (auto* action = qobject_cast<QAction*>(&object)) {
    action->setVisible(visible);
  }
}

void SetEnabled(QObject& object, bool enabled) {
  if (auto* action = qobject_cast<QAction*>(&object)) {
    action->setEnabled(enabled);
  } else if (auto* widget = qobject_cast<QWidget*>(&object)) {
    widget->setEnabled(enabled);
  }
}

// Every picture format Qt reads here, in both cases (file systems are).
std::string PictureFilter() {
  QStringList patterns;
  for (const QByteArray& format : QImageReader::supportedImageFormats()) {
    patterns << "*." + QString::fromLatin1(format).toLower() << "*." + QString::fromLatin1(format).toUpper();
  }
  return "Images (" + patterns.join(' ').toStdString() + ");;Tous (*)";
}

QAction* NamedAction(QMenu* menu, const QString& text, const char* name) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  return action;
}

}  // namespace

void TFormPrinc::BuildImagesMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("Image &carte"));
  menu->setObjectName("MenuImageCarte");
  Lireunfichierimage1 = NamedAction(menu, QStringLiteral("Lire un fichier image carte"), "Lireunfichierimage1");
  connect(Lireunfichierimage1, &QAction::triggered, this, &TFormPrinc::Lireunfichierimage1Click);
  MenuApercuFichierImage =
      NamedAction(menu, QString::fromUtf8("Aperçu des fichiers image carte"), "MenuApercuFichierImage");
  connect(MenuApercuFichierImage, &QAction::triggered, this, &TFormPrinc::MenuApercuFichierImageClick);
  menu->addSeparator()->setObjectName("MenuN6");
  MenuPropfond = NamedAction(menu, QString::fromUtf8("Propriétés de l'image de fond"), "MenuPropfond");
  connect(MenuPropfond, &QAction::triggered, this, &TFormPrinc::MenuPropfondClick);
  MenuAnnuleFond = NamedAction(menu, QStringLiteral("Annuler image de fond"), "MenuAnnuleFond");
  connect(MenuAnnuleFond, &QAction::triggered, this, &TFormPrinc::MenuAnnuleFondClick);
  menu->addSeparator()->setObjectName("N16");
  // Its handler is the editing commands' (EditHandlers, built after this menu).
  NamedAction(menu, QStringLiteral("Ajouter des villes"), "MenuAjoutervilles")->setCheckable(true);
  menu->addSeparator();
  SauveImage = NamedAction(menu, QStringLiteral("Sauver contenu carte comme image"), "SauveImage");
  connect(SauveImage, &QAction::triggered, this, &TFormPrinc::SauveImageClick);

  QMenu* popup = pointerHandlers_->PopupMenuGeneral;
  popup->addSeparator();
  Chargercartedulieupoint1 = NamedAction(popup, QString::fromUtf8("Charger carte du lieu pointé"),
                                         "Chargercartedulieupoint1");
  connect(Chargercartedulieupoint1, &QAction::triggered, this, &TFormPrinc::Chargercartedulieupoint1Click);
}

void TFormPrinc::MenusFondActif() {
  ForEachNamed(*this, {"MenuPropfond", "MenuAnnuleFond", "MenuN6", "N16", "MenuAjoutervilles"},
               [](QObject& o) { SetVisible(o, true); });
  ForEachNamed(*this,
               {"MenuApercuFichierImage", "Contrleur1", "N8", "PopZoom", "PopQRA", "PopPointe", "PopDepoint", "N3",
                "N5", "N13"},
               [](QObject& o) { SetVisible(o, false); });
  ForEachNamed(*this,
               {"TrouvRelFreq", "BoutonProjection", "BoutonZoom", "ToolButtonC3D", "ToolButtonVue3D", "BoutonVol3D"},
               [](QObject& o) { SetEnabled(o, false); });
  form3D_.reset();  // the next opening creates the controller anew
  state_.projection.BackgroundActive = true;
}

void TFormPrinc::Lireunfichierimage1Click() {
  const std::filesystem::path directory = RepertoireCartes(state_.directories.RepertoireRegion);
  const std::optional<std::string> chosen =
      dialogs_.OpenFileName({"Lire un fichier carte scannerisée", PictureFilter(), PathText(directory)});
  if (chosen) {
    ChargeImageFond(*chosen);
  }
}

void TFormPrinc::ChargeImageFond(const std::filesystem::path& file) {
  std::string message;
  std::optional<QImage> picture = LitImageCarte(file, message);
  if (!picture) {
    dialogs_.Message(MessageKind::Error, message);
    return;
  }
  PointerInteraction& pointer = pointerHandlers_->Interaction();
  // A zoom rectangle begun over the vector map must not rescale the picture.
  StopMeasure(pointer, state_.redraw);
  pointer.ZoomMode = false;
  pointer.TiePointStep = 0;
  setWindowTitle(QString::fromUtf8(kBaseCaption) + " - " + Utf8ToQString(PathText(file)));
  PoseImageFond(state_.fond, state_.projection, std::move(*picture), file, state_.PourcentApplique);
  TailleImage(state_.fond.Picture.width(), state_.fond.Picture.height(), state_.PourcentApplique);
  MenusFondActif();
  EtatCorrespondance etat = ChargeCorrespondance(state_.fond, state_.projection, message);
  if (etat == EtatCorrespondance::Absente) {
    if (dialogs_.Ask(QuestionCorrespondanceAbsente(message), false) == Answer::Yes) {
      MenuPropfondClick();
    }
    std::error_code ec;
    if (std::filesystem::exists(TrouveCorrespondance(file), ec)) {
      etat = ChargeCorrespondance(state_.fond, state_.projection, message);
    }
  }
  if (etat == EtatCorrespondance::Illisible || etat == EtatCorrespondance::Inutilisable) {
    dialogs_.Message(MessageKind::Error, message);
  }
  RequestRedraw();
}

void TFormPrinc::AppliqueFond() {
  TailleImage(state_.fond.Picture.width(), state_.fond.Picture.height(), state_.PourcentApplique);
  AppliqueCorrespondance(state_.projection, state_.fond.Coins);
  RequestRedraw();
}

void TFormPrinc::MenuPropfondClick() {
  TFormPropFond dialog({state_.fond, state_.projection, pointerHandlers_->Interaction().TiePointStep, dialogs_,
                        StaticTextInfo, [this] { AppliqueFond(); }},
                       this);
  dialog.exec();
}

void TFormPrinc::MenuAnnuleFondClick() {
  RetireImageFond(state_.fond);
  pointerHandlers_->Interaction().TiePointStep = 0;
  TailleImage(rememberedPictureSize_.width(), rememberedPictureSize_.height(), state_.PourcentApplique);
  EtatMenusVectoriels();
  RequestRedraw();
  setWindowTitle(QString::fromUtf8(kBaseCaption));
}

void TFormPrinc::TiePointClick() {
  PointerInteraction& pointer = pointerHandlers_->Interaction();
  const int step = pointer.TiePointStep;
  if (step != 1 && step != 2) {
    pointer.TiePointStep = 0;
    return;
  }
  const bool first = step == 1;
  StaticTextInfo->setText(first ? QString::fromUtf8("Entrez les coordonnées du premier point ")
                                : QString::fromUtf8("Entrez les coordonnées du deuxième point"));
  TFormIntroLgLt dialog(this);
  dialog.exec();
  if (dialog.Repointer()) {
    StaticTextInfo->setText(first
                                ? QString::fromUtf8("Cliquez sur le premier point dont vous renseignerez les coordonnées  ")
                                : QString::fromUtf8("Cliquez sur le deuxième point dont vous renseignerez les coordonnées  "));
    return;
  }
  state_.fond.Calage[step - 1] = {pointer.PointerX, pointer.PointerY, dialog.Longitude(), dialog.Latitude()};
  if (first) {
    StaticTextInfo->setText(QString::fromUtf8("Cliquez sur le deuxième point dont vous renseignerez les coordonnées"));
    pointer.TiePointStep = 2;
    return;
  }
  StaticTextInfo->setFont(QFont());
  StaticTextInfo->setText(QStringLiteral(" "));
  pointer.TiePointStep = kCalageComplet;
  MenuPropfondClick();
}

void TFormPrinc::ReportUnreadableMaps(const std::filesystem::path& directory, const ListeCartes& cartes) {
  for (const std::string& name : cartes.Illisibles) {
    dialogs_.Message(MessageKind::Error,
                     "Impossible de lire le fichier de correspondance " + PathText(directory / name) + ".");
  }
}

void TFormPrinc::MenuApercuFichierImageClick() {
  const std::filesystem::path directory = RepertoireCartes(state_.directories.RepertoireRegion);
  const ListeCartes cartes = ScanneCartes(directory);
  DessineApercuCartes(canvas_, state_.projection, cartes);
  ImageCarte->update();
  ReportUnreadableMaps(directory, cartes);
}

void TFormPrinc::Chargercartedulieupoint1Click() {
  const PointerInteraction& pointer = pointerHandlers_->Interaction();
  const double longitude = pointer.PointerLongitude;
  const double latitude = pointer.PointerLatitude;
  const std::filesystem::path directory = RepertoireCartes(state_.directories.RepertoireRegion);
  const ListeCartes cartes = ScanneCartes(directory);
  ReportUnreadableMaps(directory, cartes);
  const CarteScannee* carte = CarteDuLieu(cartes, longitude, latitude);
  if (carte == nullptr) {
    StaticTextInfo->setText(Utf8ToQString("Pas de carte pour ce point dans " +
                                          PathText(state_.directories.RepertoireRegion)));
    return;
  }
  const std::filesystem::path picture = ImageDeLaCarte(directory, *carte);
  StaticTextInfo->setText(Utf8ToQString(PathText(picture)));
  ChargeImageFond(picture);
  if (state_.fond.Present() && state_.fond.NomImageFond == picture) {
    const ProjectionState& p = state_.projection;
    pointerHandlers_->ScrollToPoint(LonToX(p, longitude), LatToY(p, latitude));
  }
}

void TFormPrinc::SauveImageClick() {
  const std::optional<std::string> chosen = dialogs_.SaveFileName(
      {"Sauver le contenu de la carte en fichier BMP", "Fichiers image  (*.BMP *.bmp)",
       PathText(state_.directories.RepertoireBase)});
  if (!chosen) {
    return;
  }
  if (const int status = SauveImageBmp(canvas_.Image(), *chosen); status != 0) {
    dialogs_.Message(MessageKind::Error,
                     "Fichier " + *chosen + " non écrit (erreur " + std::to_string(status) + ").");
  }
}

// "X" (or nothing) in ORVEX.INI: no picture at start-up. A name is taken
// from the start directory, as written or read as Windows-1252.
void TFormPrinc::ChargeCarteDemarre() {
  const std::string& name = state_.config.CarteDemarre;
  if (name.empty() || UpperText(name) == "X") {
    return;
  }
  const std::filesystem::path& start = state_.directories.RepertoireDemarrage;
  std::filesystem::path file = ResolvePath(start, name);
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) {
    const std::filesystem::path utf8 = ResolvePath(start, Cp1252ToUtf8(name));
    if (std::filesystem::exists(utf8, ec)) {
      file = utf8;
    }
  }
  ChargeImageFond(file);
}

}  // namespace orvex
