#include "app/ui/form_config.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>

#include "app/ui/form_princ.h"
#include "geo/coordinate_text.h"
#include "platform/directory_listing.h"
#include "platform/paths.h"
#include "platform/ui/qt_text.h"

namespace orvex {
namespace {

constexpr int kPourcentMini = 100;
constexpr int kPourcentMaxi = 200;
constexpr const char* kRelaisMaxi = "3000";

template <typename T>
T* Nomme(T* widget, const char* nom) {
  widget->setObjectName(nom);
  return widget;
}

QLineEdit* Edit(QWidget* parent, const char* nom, const QString& texte) {
  auto* edit = Nomme(new QLineEdit(texte, parent), nom);
  return edit;
}

QComboBox* Choix(QWidget* parent, const char* nom, const QStringList& elements, int index) {
  auto* choix = Nomme(new QComboBox(parent), nom);
  choix->addItems(elements);
  choix->setCurrentIndex(index);
  return choix;
}

QLabel* Libelle(QWidget* parent, const QString& texte, const char* nom = "") {
  return Nomme(NewLabel(parent, texte), nom);
}

// A group box whose rows are (caption, widget) pairs; an empty caption puts
// the widget alone on its row.
QGroupBox* Groupe(QWidget* parent, const QString& titre, std::initializer_list<std::pair<QString, QWidget*>> lignes) {
  auto* groupe = new QGroupBox(titre, parent);
  auto* colonne = new QVBoxLayout(groupe);
  for (const auto& [legende, widget] : lignes) {
    if (legende.isEmpty()) {
      colonne->addWidget(widget);
      continue;
    }
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(Libelle(groupe, legende));
    ligne->addWidget(widget, 1);
    colonne->addLayout(ligne);
  }
  return groupe;
}

QStringList Liste(std::initializer_list<const char*> textes) {
  QStringList liste;
  for (const char* texte : textes) {
    liste << QString::fromUtf8(texte);
  }
  return liste;
}

// The tree of the region files: directories walked, files as leaves.
void Arborescence(QTreeWidgetItem* noeud, const std::filesystem::path& repertoire, int profondeur) {
  constexpr int kProfondeurMaxi = 8;  // a link loop must not walk for ever
  if (profondeur > kProfondeurMaxi) {
    return;
  }
  for (const DirectoryEntry& entree : ListeRepertoire(repertoire)) {
    if (entree.name.starts_with(".")) {
      continue;
    }
    auto* enfant = new QTreeWidgetItem(noeud, {QString::fromStdString(entree.name)});
    if (entree.attributes == FaDirectory) {
      Arborescence(enfant, repertoire / entree.name, profondeur + 1);
    }
  }
}

QString TextePourcent(int position) { return QString::number(position) + QLatin1Char('%'); }

}  // namespace

TFormConfig::TFormConfig(TFormPrinc& principale) : QDialog(&principale), principale_(principale) {
  setObjectName("FormConfig");
  setWindowTitle(QStringLiteral("Configuration"));
  Onglets = Nomme(new QTabWidget(this), "PageControl1");
  Onglets->addTab(TabCarte(), QStringLiteral("Carte vectorielle"));
  Onglets->addTab(TabRelief(), QStringLiteral("Relief et 3D"));
  Onglets->addTab(TabGps(), QString::fromUtf8("GPS et interface série"));
  Onglets->addTab(TabBases(), QString::fromUtf8("Bases de données"));
  Onglets->addTab(TabDivers(), QStringLiteral("Divers"));
  Onglets->addTab(TabIni(), QStringLiteral("ORVEX.INI"));
  ConfigButtonOK = NewButton(this, QStringLiteral("Ok"), "ConfigButtonOK");
  ConfigButtonSauver = NewButton(this, QStringLiteral("Sauver"), "ConfigButtonSauver");
  ConfigButtonAppliquer = NewButton(this, QStringLiteral("Appliquer"), "ConfigButtonAppliquer");
  ConfigButtonAnnuler = NewButton(this, QStringLiteral("Annuler"), "ConfigButtonAnnuler");
  auto* boutons = new QHBoxLayout;
  boutons->addStretch();
  boutons->addWidget(ConfigButtonOK);
  boutons->addWidget(ConfigButtonSauver);
  boutons->addWidget(ConfigButtonAppliquer);
  boutons->addWidget(ConfigButtonAnnuler);
  auto* colonne = new QVBoxLayout(this);
  colonne->addWidget(Onglets);
  colonne->addLayout(boutons);
  connect(ConfigButtonOK, &QPushButton::clicked, this, &TFormConfig::ConfigButtonOKClick);
  connect(ConfigButtonSauver, &QPushButton::clicked, this, &TFormConfig::ConfigButtonSauverClick);
  connect(ConfigButtonAppliquer, &QPushButton::clicked, this, &TFormConfig::ConfigButtonAppliquerClick);
  connect(ConfigButtonAnnuler, &QPushButton::clicked, this, &QDialog::reject);
  Remplit();
}

QWidget* TFormConfig::TabCarte() {
  OngletCarte = Nomme(new QWidget, "OngletCarte");
  ErreurMsg1 = Libelle(OngletCarte, QString(), "ErreurMsg1");
  ErreurMsg1->setStyleSheet(QStringLiteral("color: red"));
  ConfigLgCentre = Edit(OngletCarte, "ConfigLgCentre", {});
  ConfigLtCentre = Edit(OngletCarte, "ConfigLtCentre", {});
  ConfigLgCour = Edit(OngletCarte, "ConfigLgCour", {});
  ConfigLtCour = Edit(OngletCarte, "ConfigLtCour", {});
  ConfigZoomDemarre = Edit(OngletCarte, "ConfigZoomDemarre", {});
  for (QLineEdit* edit : {ConfigLgCentre, ConfigLtCentre, ConfigZoomDemarre}) {
    connect(edit, &QLineEdit::textEdited, ErreurMsg1, &QLabel::clear);
  }
  BarrePourcent = Nomme(new QSlider(Qt::Horizontal, OngletCarte), "BarrePourcent");
  BarrePourcent->setRange(kPourcentMini, kPourcentMaxi);
  LabelPC = Libelle(OngletCarte, {}, "LabelPC");
  connect(BarrePourcent, &QSlider::valueChanged, LabelPC, [this](int v) { LabelPC->setText(TextePourcent(v)); });
  CheckIndexPays = Nomme(new QCheckBox(QStringLiteral("Indexer le pays"), OngletCarte), "CheckIndexPays");
  CheckAffContinu = Nomme(new QCheckBox(QStringLiteral("Affichage continu"), OngletCarte), "CheckAffContinu");
  CheckPays = Nomme(new QCheckBox(QStringLiteral("Contours pays"), OngletCarte), "CheckPays");
  CheckVilles = Nomme(new QCheckBox(QStringLiteral("Villes"), OngletCarte), "CheckVilles");
  CheckStruct = Nomme(new QCheckBox(QStringLiteral("Structures"), OngletCarte), "CheckStruct");
  CheckAffNiveau = Nomme(new QCheckBox(QStringLiteral("Courbes de niveau"), OngletCarte), "CheckAffNiveau");
  CheckOM = Nomme(new QCheckBox(QStringLiteral("OM"), OngletCarte), "CheckOM");
  CheckRelais = Nomme(new QCheckBox(QStringLiteral("Relais"), OngletCarte), "CheckRelais");

  auto* page = new QVBoxLayout(OngletCarte);
  page->addWidget(Libelle(OngletCarte, QString::fromUtf8("Paramétrage de la carte vectorielle")));
  page->addWidget(ErreurMsg1);
  page->addWidget(Groupe(OngletCarte, QStringLiteral("Point de positionnement au démarrage de ORVEX"),
                         {{QStringLiteral("Long .positionnement"), ConfigLgCentre},
                          {QStringLiteral("Lat. positionnement"), ConfigLtCentre}}));
  page->addWidget(Groupe(
      OngletCarte, QStringLiteral("Point courant de référencement  (observateur)"),
      {{QStringLiteral("Longitude courante :"), ConfigLgCour}, {QStringLiteral("Latitude courante :"), ConfigLtCour}}));
  page->addWidget(Groupe(OngletCarte, QStringLiteral("Zoom au lancement "),
                         {{QString::fromUtf8("Zoom au démarrage :"), ConfigZoomDemarre}}));
  page->addWidget(Groupe(OngletCarte, QString::fromUtf8("Affichage latéral"),
                         {{QString::fromUtf8("Pourcentage d'expansion latéral"), BarrePourcent}, {{}, LabelPC}}));
  auto* bas = new QHBoxLayout;
  bas->addWidget(
      Groupe(OngletCarte, QStringLiteral("Options d'affichage"), {{{}, CheckIndexPays}, {{}, CheckAffContinu}}));
  bas->addWidget(Groupe(
      OngletCarte, QString::fromUtf8("Objets affichés "),
      {{{}, CheckPays}, {{}, CheckVilles}, {{}, CheckStruct}, {{}, CheckAffNiveau}, {{}, CheckOM}, {{}, CheckRelais}}));
  page->addLayout(bas);
  return OngletCarte;
}

QWidget* TFormConfig::TabRelief() {
  auto* onglet = new QWidget;
  RadioButtonCourbeCouleur =
      Nomme(new QRadioButton(QStringLiteral("Couleur en fonction de l'altitude")), "RadioButtonCourbeCouleur");
  RadioButtonCourbeNB =
      Nomme(new QRadioButton(QStringLiteral("Noir et blanc en fonction de l'altitude")), "RadioButtonCourbeNB");
  RadioButtonCourbeUni = Nomme(new QRadioButton(QStringLiteral("Courbes unies")), "RadioButtonCourbeUni");
  CheckDalle = Nomme(new QCheckBox(QString::fromUtf8(
                         "Affichage en forme de dalles (à condition que le fichier DALLES.DAT soit créé)")),
                     "CheckDalle");
  CheckGrillage = Nomme(new QCheckBox(QStringLiteral("Avec grillage")), "CheckGrillage");
  CheckPolyPlein = Nomme(new QCheckBox(QString::fromUtf8("Polygônes pleins")), "CheckPolyPlein");
  RadioButtonOmbre = Nomme(new QRadioButton(QString::fromUtf8("Mode ombré")), "RadioButtonOmbre");
  RadioButtonCouleur = Nomme(new QRadioButton(QStringLiteral("Couleurs tableau ci-contre")), "RadioButtonCouleur");
  CheckVueSol = Nomme(new QCheckBox(QStringLiteral("Vue du sol")), "CheckVueSol");
  RBCourbe1erPlan = Nomme(new QRadioButton(QStringLiteral("Courbes de niveau au premier plan")), "RBCourbe1erPlan");
  RBCourbeArrierePlan =
      Nomme(new QRadioButton(QString::fromUtf8("Courbes de niveau à l'arrière plan")), "RBCourbeArrierePlan");
  // Each pair of radio buttons is a choice of its own.
  for (const auto& boutons :
       {std::initializer_list<QRadioButton*>{RadioButtonCourbeCouleur, RadioButtonCourbeNB, RadioButtonCourbeUni},
        {RadioButtonOmbre, RadioButtonCouleur},
        {RBCourbe1erPlan, RBCourbeArrierePlan}}) {
    auto* groupe = new QButtonGroup(onglet);
    for (QRadioButton* bouton : boutons) {
      groupe->addButton(bouton);
    }
  }
  connect(CheckDalle, &QCheckBox::toggled, this, [this](bool coche) {
    CheckGrillage->setEnabled(coche);
    CheckPolyPlein->setEnabled(coche);
  });
  connect(RadioButtonOmbre, &QRadioButton::toggled, this, [this](bool choisi) {
    if (choisi) {
      RadioButtonCourbeNB->setChecked(true);
    }
  });
  auto* page = new QVBoxLayout(onglet);
  page->addWidget(Groupe(onglet, QStringLiteral("Courbes de niveau "),
                         {{{}, RadioButtonCourbeCouleur}, {{}, RadioButtonCourbeNB}, {{}, RadioButtonCourbeUni}}));
  page->addWidget(Groupe(
      onglet, QStringLiteral("Affichage sous forme de dalles "),
      {{{}, CheckDalle}, {{}, CheckGrillage}, {{}, CheckPolyPlein}, {{}, RadioButtonOmbre}, {{}, RadioButtonCouleur}}));
  page->addWidget(Groupe(onglet, QStringLiteral("Options d'affichage 3D "), {{{}, CheckVueSol}}));
  page->addWidget(Groupe(onglet, QString::fromUtf8("Hiérarchie d'affichage des courbes de niveau"),
                         {{{}, RBCourbe1erPlan}, {{}, RBCourbeArrierePlan}}));
  return onglet;
}

QWidget* TFormConfig::TabGps() {
  auto* onglet = Nomme(new QWidget, "OngletGPS");
  const Configuration& c = principale_.State().config;
  QStringList vitesses;
  for (std::size_t i = 1; i < TableVitesses.size(); ++i) {
    vitesses << QString::number(TableVitesses[i]);
  }
  QStringList ports;
  for (int port = 1; port <= kPortsProposes; ++port) {
    ports << QStringLiteral("COM%1").arg(port);
  }
  QStringList trames;
  for (const char* nom : NomsTrames) {
    trames << QString::fromUtf8(nom);
  }
  QStringList interfaces;
  for (const char* nom : NomsInterfaces) {
    interfaces << QString::fromUtf8(nom);
  }
  ChoixBaud = Choix(onglet, "ChoixBaud", vitesses, c.IndexVitesse - 1);
  ChoixParite = Choix(onglet, "ChoixParite", Liste({"Sans", "Paire", "Impaire"}), c.IndexParite - 1);
  ChoixDataBits = Choix(onglet, "ChoixDataBits", Liste({"5", "7", "8"}), c.IndexBits - 1);
  ChoixStopBits = Choix(onglet, "ChoixStopBits", Liste({"1", "2"}), c.BitsStop - 1);
  ChoixPort = Choix(onglet, "ChoixPort", ports, c.PortGPS - 1);
  ChoixProtocole = Choix(onglet, "ChoixProtocole", trames, c.TypeTrame - 1);
  CheckAvertir =
      Nomme(new QCheckBox(QString::fromUtf8("Avertir dès qu'une trame est décodée"), onglet), "CheckAvertir");
  ChoixInterface = Choix(onglet, "ChoixInterface", interfaces, c.TypeInterface - 1);
  CheckMobile = Nomme(new QCheckBox(QStringLiteral("Centrer la carte sur le mobile"), onglet), "CheckMobile");
  auto* page = new QVBoxLayout(onglet);
  page->addWidget(Groupe(onglet, QString::fromUtf8("Paramètres de l'interface série GPS "),
                         {{QStringLiteral("Bits par seconde :"), ChoixBaud},
                          {QString::fromUtf8("Parité :"), ChoixParite},
                          {QString::fromUtf8("Bits de données :"), ChoixDataBits},
                          {QStringLiteral("Bits de stop :"), ChoixStopBits},
                          {QStringLiteral("Port :"), ChoixPort}}));
  page->addWidget(Groupe(onglet, QStringLiteral("Type de Trame GPS "),
                         {{QStringLiteral("protocole :"), ChoixProtocole}, {{}, CheckAvertir}}));
  page->addWidget(Groupe(onglet, QString::fromUtf8("Interface de réception "), {{{}, ChoixInterface}}));
  page->addWidget(Groupe(onglet, QStringLiteral("Comportement de la carte "), {{{}, CheckMobile}}));
  return onglet;
}

QWidget* TFormConfig::TabBases() {
  auto* onglet = Nomme(new QWidget, "OngletDB");
  const Directories& d = principale_.State().directories;
  const auto lectureSeule = [onglet](const char* nom, const QString& texte) {
    QLineEdit* edit = Edit(onglet, nom, texte);
    edit->setReadOnly(true);
    return edit;
  };
  QStringList regions;
  for (const std::string& nom : d.ListeRegions) {
    regions << QString::fromStdString(nom);
  }
  ComboLieu = Choix(onglet, "ComboLieu", regions, d.IndexRegion);
  TreeViewDB = Nomme(new QTreeWidget(onglet), "TreeViewDB");
  TreeViewDB->setHeaderHidden(true);
  auto* racine = new QTreeWidgetItem(TreeViewDB, {QStringLiteral("lieux")});
  Arborescence(racine, d.RepertoireBase / "lieux", 0);
  racine->setExpanded(true);
  auto* page = new QVBoxLayout(onglet);
  page->addWidget(Libelle(onglet, QString::fromUtf8("Attention ! Aucune modification de ces champs ne sera validée ")));
  page->addWidget(Groupe(onglet, {},
                         {{QString::fromUtf8("Répertoire de l'application :"),
                           lectureSeule("EditRepertoire", QString::fromStdString(d.RepertoireBase.string()))},
                          {QString::fromUtf8("Répertoire initial :"),
                           lectureSeule("EditRepInitial", QString::fromStdString(d.RepertoireDemarrage.string()))},
                          {QString::fromUtf8("Répertoire du lieu cartographique :"), ComboLieu},
                          {QString::fromUtf8("Arborescence des fichiers de lieux :"), TreeViewDB}}));
  return onglet;
}

QWidget* TFormConfig::TabDivers() {
  auto* onglet = Nomme(new QWidget, "OngletDivers");
  const ProgramState& s = principale_.State();
  const QScreen* ecran = screen();
  const QSize taille = ecran != nullptr ? ecran->geometry().size() : QSize();
  std::int64_t points = 0;
  for (const auto& fichier : s.tables.TableContours.Fichiers) {
    points += 4 * std::int64_t{fichier.NbElements()};
  }
  BoutonDemo3D = Nomme(new QPushButton(QString::fromUtf8("Démo 3D"), onglet), "BoutonDemo3D");
  Bouton640 = Nomme(new QPushButton(QStringLiteral("Test 640x480"), onglet), "Bouton640");
  BoutonZoomCont = Nomme(new QPushButton(QStringLiteral("Zoom continu"), onglet), "BoutonZoomCont");
  connect(BoutonDemo3D, &QPushButton::clicked, this, [this] { Demande(DemandeConfig::Demo3D); });
  connect(Bouton640, &QPushButton::clicked, this, [this] { Demande(DemandeConfig::Test640); });
  connect(BoutonZoomCont, &QPushButton::clicked, this, [this] { Demande(DemandeConfig::ZoomContinu); });
  const QString indetermine = QString::fromUtf8("Indéterminé");
  auto* page = new QVBoxLayout(onglet);
  page->addWidget(
      Groupe(onglet, {},
             {{QStringLiteral("Ecran X :"), Libelle(onglet, QString::number(taille.width()), "LabelEcranX")},
              {QStringLiteral("Ecran Y :"), Libelle(onglet, QString::number(taille.height()), "LabelEcranY")},
              {QStringLiteral("Points de contours :"), Libelle(onglet, QString::number(points), "LabelNbPoints")},
              {QStringLiteral("Nombre de relais :"),
               Libelle(onglet, QString::number(s.tables.NbRelais()) + "/" + kRelaisMaxi, "LabelNbRelais")},
              {QStringLiteral("Villes :"), Libelle(onglet, indetermine, "LabelNbVilles")},
              {QStringLiteral("OM :"), Libelle(onglet, indetermine, "LabelNbOM")},
              {QStringLiteral("Structures :"), Libelle(onglet, indetermine, "LabelNbStruct")},
              {QStringLiteral("Relief :"), Libelle(onglet, indetermine, "LabelNbRelief")},
              {QStringLiteral("Niveaux :"), Libelle(onglet, indetermine, "LabelNbNiveau")}}));
  auto* boutons = new QHBoxLayout;
  boutons->addWidget(BoutonDemo3D);
  boutons->addWidget(Bouton640);
  boutons->addWidget(BoutonZoomCont);
  page->addLayout(boutons);
  return onglet;
}

QWidget* TFormConfig::TabIni() {
  auto* onglet = Nomme(new QWidget, "OngletINI");
  EditNomCarte = Edit(onglet, "EditNomCarte", {});
  auto* page = new QVBoxLayout(onglet);
  page->addWidget(
      Groupe(onglet, QString::fromUtf8("Démarrage de ORVEX"),
             {{QString::fromUtf8("Image-carte à charger au\ndémarrage. Si X, pas de carte."), EditNomCarte}}));
  page->addStretch();
  return onglet;
}

void TFormConfig::Remplit() {
  const ProgramState& s = principale_.State();
  const DisplayOptions& d = s.display;
  ConfigLgCentre->setText(ToQString(LongitudeToText(s.projection.CentreLongitude)));
  ConfigLtCentre->setText(ToQString(LatitudeToText(s.projection.CentreLatitude)));
  ConfigLgCour->setText(ToQString(LongitudeToText(s.config.LgCourant)));
  ConfigLtCour->setText(ToQString(LatitudeToText(s.config.LtCourant)));
  ConfigZoomDemarre->setText(QString::number(s.config.ZoomDemarre));
  BarrePourcent->setValue(s.PourcentExpansion);
  LabelPC->setText(TextePourcent(BarrePourcent->value()));
  const std::pair<QCheckBox*, bool> cases[] = {
      {CheckIndexPays, d.IndexerPays},
      {CheckAffContinu, d.AffichageContinu},
      {CheckPays, d.AffichePays},
      {CheckVilles, d.AfficheVilles},
      {CheckStruct, d.AfficheStructures},
      {CheckAffNiveau, d.AfficheNiveaux},
      {CheckOM, d.AfficheOM},
      {CheckRelais, d.AfficheRelais},
      {CheckDalle, d.AffDalles},
      {CheckGrillage, d.AvecGrillage},
      {CheckPolyPlein, d.PolygonesPleins},
      {CheckVueSol, s.projection.GroundView},
      {CheckAvertir, s.receive.AvertirTrame},
      {CheckMobile, s.receive.CentrerSurMobile},
  };
  for (const auto& [boite, valeur] : cases) {
    boite->setChecked(valeur);
  }
  RadioButtonCourbeCouleur->setChecked(d.CourbeCouleur);
  RadioButtonCourbeNB->setChecked(d.CourbeNB);
  RadioButtonCourbeUni->setChecked(d.CourbeUnie || (!d.CourbeCouleur && !d.CourbeNB));
  RadioButtonOmbre->setChecked(d.ModeOmbre);
  RadioButtonCouleur->setChecked(!d.ModeOmbre);
  RBCourbe1erPlan->setChecked(d.Courbe1erPlan);
  RBCourbeArrierePlan->setChecked(!d.Courbe1erPlan);
  CheckDalle->setEnabled(s.dalle.NbX != 0);
  CheckGrillage->setEnabled(d.AffDalles);
  CheckPolyPlein->setEnabled(d.AffDalles);
  EditNomCarte->setText(ToQString(s.config.CarteDemarre));
}

std::optional<ValeursCarte> TFormConfig::Valide() {
  const auto resultat = ValideCarte({FromQString(ConfigLgCour->text()), FromQString(ConfigLtCour->text()),
                                     FromQString(ConfigLgCentre->text()), FromQString(ConfigLtCentre->text()),
                                     FromQString(ConfigZoomDemarre->text())});
  if (const auto* valeurs = std::get_if<ValeursCarte>(&resultat)) {
    return *valeurs;
  }
  const ErreurConfig& erreur = std::get<ErreurConfig>(resultat);
  ErreurMsg1->setText(Utf8ToQString(erreur.message));
  Onglets->setCurrentWidget(OngletCarte);
  QLineEdit* champs[] = {ConfigLgCour, ConfigLtCour, ConfigLgCentre, ConfigLtCentre, ConfigZoomDemarre};
  champs[static_cast<int>(erreur.champ)]->setFocus();
  return std::nullopt;
}

void TFormConfig::LitLigneSerie(Configuration& config) const {
  config.TypeInterface = ChoixInterface->currentIndex() + 1;
  config.TypeTrame = ChoixProtocole->currentIndex() + 1;
  config.PortGPS = ChoixPort->currentIndex() + 1;
  config.BitsStop = ChoixStopBits->currentIndex() + 1;
  config.IndexBits = ChoixDataBits->currentIndex() + 1;
  config.IndexVitesse = ChoixBaud->currentIndex() + 1;
  config.IndexParite = ChoixParite->currentIndex() + 1;
}

void TFormConfig::ApplyStep() {
  LitLigneSerie(principale_.State().config);
  principale_.RouvrePortSerie();
  principale_.AppliquePourcentExpansion(BarrePourcent->value());
  if (ComboLieu->currentIndex() >= 0 && ComboLieu->currentIndex() != principale_.State().directories.IndexRegion) {
    principale_.ChangeRegion(ComboLieu->currentIndex());
  }
}

void TFormConfig::ConfigButtonOKClick() {
  const std::optional<ValeursCarte> valeurs = Valide();
  if (!valeurs) {
    return;
  }
  ProgramState& s = principale_.State();
  DisplayOptions& d = s.display;
  s.config.LgCourant = valeurs->lgCour;
  s.config.LtCourant = valeurs->ltCour;
  s.projection.CentreLongitude = valeurs->lgCentre;
  s.projection.CentreLatitude = valeurs->ltCentre;
  s.config.ZoomDemarre = valeurs->zoom;
  s.PourcentExpansion = BarrePourcent->value();
  d.IndexerPays = CheckIndexPays->isChecked();
  s.projection.GroundView = CheckVueSol->isChecked();
  d.AffichageContinu = CheckAffContinu->isChecked();
  d.AfficheVilles = CheckVilles->isChecked();
  d.AfficheStructures = CheckStruct->isChecked();
  d.AffichePays = CheckPays->isChecked();
  d.AfficheNiveaux = CheckAffNiveau->isChecked();
  d.AfficheRelais = CheckRelais->isChecked();
  d.AfficheOM = CheckOM->isChecked();
  d.CourbeCouleur = RadioButtonCourbeCouleur->isChecked();
  d.CourbeUnie = RadioButtonCourbeUni->isChecked();
  d.CourbeNB = RadioButtonCourbeNB->isChecked();
  d.Courbe1erPlan = RBCourbe1erPlan->isChecked();
  d.ModeOmbre = RadioButtonOmbre->isChecked();
  if (d.ModeOmbre) {
    d.CourbeCouleur = false;
    d.CourbeNB = true;
  }
  d.AffDalles = CheckDalle->isChecked();
  d.PolygonesPleins = CheckPolyPlein->isChecked();
  d.AvecGrillage = CheckGrillage->isChecked();
  ApplyStep();
  s.receive.AvertirTrame = CheckAvertir->isChecked();
  s.receive.CentrerSurMobile = CheckMobile->isChecked();
  s.config.CarteDemarre = FromQString(EditNomCarte->text());
  RefreshRotation(s.projection, s.redraw);
  accept();
}

void TFormConfig::ConfigButtonAppliquerClick() {
  principale_.State().receive.AvertirTrame = CheckAvertir->isChecked();
  ApplyStep();
  principale_.RequestRedraw();
}

// Writes what the dialog shows, checked as "Ok" checks it; the running
// program keeps its values until "Ok".
void TFormConfig::ConfigButtonSauverClick() {
  const std::optional<ValeursCarte> valeurs = Valide();
  if (!valeurs) {
    return;
  }
  const ProgramState& s = principale_.State();
  Configuration config = s.config;
  config.LgCourant = valeurs->lgCour;
  config.LtCourant = valeurs->ltCour;
  config.LgDemarre = valeurs->lgCentre;
  config.LtDemarre = valeurs->ltCentre;
  config.ZoomDemarre = valeurs->zoom;
  config.CarteDemarre = FromQString(EditNomCarte->text());
  if (ComboLieu->currentIndex() >= 0) {
    config.RepertoireLieu = s.directories.ListeRegions[static_cast<std::size_t>(ComboLieu->currentIndex())];
  }
  LitLigneSerie(config);
  const std::filesystem::path fichier = s.directories.RepertoireDemarrage / "ORVEX.INI";
  const int erreur = SauveConfiguration(fichier, ValeursAEcrire(config));
  if (erreur == 0) {
    principale_.UserDialogs().Message(MessageKind::Information, "Configuration enregistrée dans " + PathText(fichier));
    return;
  }
  principale_.UserDialogs().Message(
      MessageKind::Error,
      "Impossible d'écrire " + PathText(fichier) +
          (erreur == EACCES ? " : le fichier est en lecture seule." : " : " + std::string(std::strerror(erreur))));
}

void TFormConfig::Demande(DemandeConfig demande) {
  demande_ = demande;
  accept();
}

}  // namespace orvex
