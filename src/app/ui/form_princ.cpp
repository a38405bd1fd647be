#include "app/ui/form_princ.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <optional>

#include "app/map_scene.h"
#include "app/save_edits.h"
#include "app/startup.h"
#include "app/ui/edit_handlers.h"
#include "app/ui/form_debug.h"
#include "app/ui/map_picture.h"
#include "app/ui/pointer_handlers.h"
#include "garmin/ui/form_grmn.h"
#include "platform/ui/qt_text.h"
#include "terrain/ui/form_3d.h"

namespace orvex {
namespace {

constexpr const char* kCaption = "ORVEX32 - Cartographie numérique vectorisée";
constexpr int kPanelWidth = 180;

// A caption and its value on one row; a long caption gets the row to itself
// and its value goes below, so the narrow panel never cuts either.
QLabel* AddRow(QGridLayout* grid, const QString& caption, const char* name) {
  constexpr int kShortCaption = 10;
  int row = grid->rowCount();
  auto* value = NewLabel(grid->parentWidget());
  value->setObjectName(name);
  value->setMinimumWidth(90);
  value->setWordWrap(true);  // "12km de <a long city name>" must not be cut
  if (caption.size() > kShortCaption) {
    grid->addWidget(NewLabel(grid->parentWidget(), caption), row++, 0, 1, 2);
  } else if (!caption.isEmpty()) {
    grid->addWidget(NewLabel(grid->parentWidget(), caption), row, 0);
  }
  grid->addWidget(value, row, 1);
  return value;
}

QGroupBox* MakeGroup(QWidget* parent, const QString& title, const char* name) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(name);
  auto* grid = new QGridLayout(group);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setVerticalSpacing(2);
  return group;
}

}  // namespace

TFormPrinc::TFormPrinc(Dialogs& dialogs, std::filesystem::path startDirectory, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), startDirectory_(std::move(startDirectory)) {
  setObjectName("FormPrinc");
  setWindowTitle(QString::fromUtf8(kCaption));
  auto* central = new QWidget(this);
  setCentralWidget(central);
  ScrollBox1 = new QScrollArea(central);
  ScrollBox1->setObjectName("ScrollBox1");
  ScrollBox1->setFrameShape(QFrame::NoFrame);
  ImageCarte = new MapPicture();
  ScrollBox1->setWidget(ImageCarte);
  ScrollBox1->setWidgetResizable(false);
  BuildPanels(central);
  StaticTextInfo = NewLabel(central);
  StaticTextInfo->setObjectName("StaticTextInfo");
  StaticTextInfo->setWordWrap(true);
  BuildMenus();
  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, &TFormPrinc::Timer1Timer);
  pointerHandlers_ = std::make_unique<PointerHandlers>(*this);
  BuildTerrainMenu();
  Build3D();
  BuildProfilCommands();
  BuildImportMenu();
  BuildFabricationMenu();
  BuildImagesMenu();
  editHandlers_ = std::make_unique<EditHandlers>(*this);
  BuildConfigMenu();
}

TFormPrinc::~TFormPrinc() = default;

void TFormPrinc::BuildPanels(QWidget* central) {
  GroupBox1 = MakeGroup(central, QStringLiteral("Pointeur "), "GroupBox1");
  auto* g1 = static_cast<QGridLayout*>(GroupBox1->layout());
  LgGP1 = AddRow(g1, QStringLiteral("Long. :"), "LgGP1");
  LtGP1 = AddRow(g1, QStringLiteral("Lat. :"), "LtGP1");
  LgGP1C = AddRow(g1, QStringLiteral("Long. :"), "LgGP1C");
  LtGP1C = AddRow(g1, QStringLiteral("Lat. :"), "LtGP1C");
  LocGP1 = AddRow(g1, QStringLiteral("QRA :"), "LocGP1");
  ZoomGP1 = AddRow(g1, QStringLiteral("Zoom :"), "ZoomGP1");
  AltGP1 = AddRow(g1, QStringLiteral("Alt. :"), "AltGP1");
  LocGP1->setToolTip(QStringLiteral("Cliquez pour modifier le loctor"));
  ZoomGP1->setToolTip(QStringLiteral("Cliquez ici pour modifier le zoom"));

  GroupBox2 = MakeGroup(central, QStringLiteral("Lignage "), "GroupBox2");
  auto* g2 = static_cast<QGridLayout*>(GroupBox2->layout());
  LgOrGP2 = AddRow(g2, QStringLiteral("Orig. :"), "LgOrGP2");
  LtOrGP2 = AddRow(g2, QString(), "LtOrGP2");
  LgDeGP2 = AddRow(g2, QStringLiteral("Dest. :"), "LgDeGP2");
  LtDeGP2 = AddRow(g2, QString(), "LtDeGP2");
  AzGP2 = AddRow(g2, QStringLiteral("Azimut :"), "AzGP2");
  DistGP2 = AddRow(g2, QStringLiteral("Distance :"), "DistGP2");
  DistTotGP2 = AddRow(g2, QStringLiteral("Cumul distance :"), "DistTotGP2");
  AddRow(g2, QString::fromUtf8("Relèvement :"), "RelGP2");  // no operation writes its value

  GroupBox3 = MakeGroup(central, QStringLiteral("Données GPS "), "GroupBox3");
  auto* g3 = static_cast<QGridLayout*>(GroupBox3->layout());
  LgGPSGP3 = AddRow(g3, QStringLiteral("Long. :"), "LgGPSGP3");
  LtGPSGP3 = AddRow(g3, QStringLiteral("Lat. :"), "LtGPSGP3");
  AltGPSGP3 = AddRow(g3, QStringLiteral("Alt. :"), "AltGPSGP3");
  LocalGPSGP3 = AddRow(g3, QStringLiteral("Loc:"), "LocalGPSGP3");
  DistGPSGP3 = AddRow(g3, QStringLiteral("Dist. :"), "DistGPSGP3");
  NbPGpsGP3 = AddRow(g3, QStringLiteral("Nombre de points :"), "NbPGpsGP3");
  LgChuteGP3 = AddRow(g3, QStringLiteral("Longitude chute :"), "LgChuteGP3");
  LtChuteGP3 = AddRow(g3, QStringLiteral("Latitude chute :"), "LtChuteGP3");
  LabelFichier = AddRow(g3, QStringLiteral("Fichier :"), "LabelFichier");
}

void TFormPrinc::BuildMenus() {
  QMenu* fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
  fichier->setObjectName("Fichier1");
  Quitter1 = fichier->addAction(QStringLiteral("Quitter"));
  Quitter1->setObjectName("Quitter1");
  connect(Quitter1, &QAction::triggered, this, &TFormPrinc::Quitter1Click);
  // Tile fabrication appears only for regions with level curves.
  N15 = new QAction(this);
  N15->setSeparator(true);
  N15->setObjectName("N15");
  Fabriquerdalledesniveaux1 = new QAction(QStringLiteral("Fabriquer dalle des niveaux"), this);
  Fabriquerdalledesniveaux1->setObjectName("Fabriquerdalledesniveaux1");
  BuildGpsMenu();
  ToolBar1 = addToolBar(QStringLiteral("Outils"));
  ToolBar1->setObjectName("ToolBar1");
  ToolBar1->setMovable(false);
  BuildGarminMenu();
  BuildBrowserMenu();
}

void TFormPrinc::DisposeFenetre(int screenWidth, int screenHeight) {
  const int pictureWidth = std::max(1, screenWidth - 229);
  const int pictureHeight = std::max(1, screenHeight - 150);
  constexpr int kMargin = 6;
  ScrollBox1->setGeometry(kMargin, kMargin, pictureWidth, pictureHeight);
  rememberedPictureSize_ = QSize(pictureWidth, pictureHeight);
  TailleImage(pictureWidth, pictureHeight, 100);
  const int panelLeft = std::max(pictureWidth + 2 * kMargin, screenWidth - 189);
  int top = kMargin;
  for (QGroupBox* group : {GroupBox1, GroupBox2, GroupBox3}) {
    group->adjustSize();
    group->setGeometry(panelLeft, top, kPanelWidth, group->sizeHint().height());
    top += group->height() + kMargin;
  }
  // Just below the picture: the original place (50 pixels lower) falls off
  // screens whose menu and tool bars take more room. Two lines high: some
  // help texts are long, the curve creation help has two.
  StaticTextInfo->setGeometry(10, kMargin + pictureHeight + 4, std::max(10, panelLeft - 40),
                              2 * StaticTextInfo->fontMetrics().lineSpacing() + 2);
}

void TFormPrinc::TailleImage(int width, int height, int percentage) {
  const int w = std::max(1, static_cast<int>(std::lround(width * percentage / 100.0)));
  const int h = std::max(1, static_cast<int>(std::lround(height * percentage / 100.0)));
  canvas_.SetSize(w, h);
  ImageCarte->SetCanvas(&canvas_);
  state_.projection.ImageWidth = w;
  state_.projection.ImageHeight = h;
}

// The menus of the vector map (no background image). Entries of commands
// this program does not offer are simply not found.
void TFormPrinc::EtatMenusVectoriels() {
  const auto actions = [this](std::initializer_list<const char*> names, auto&& change) {
    for (const char* name : names) {
      if (auto* action = findChild<QAction*>(name)) {
        change(action);
      }
    }
  };
  actions({"MenuApercuFichierImage", "N8", "Contrleur1", "PopZoom", "PopQRA", "PopPointe", "PopDepoint", "N3", "N5",
           "N13"},
          [](QAction* a) { a->setVisible(true); });
  actions({"MenuPropfond", "MenuAnnuleFond", "MenuN6", "MenuAjoutervilles", "N16"},
          [](QAction* a) { a->setVisible(false); });
  actions({"MenuAjoutervilles"}, [](QAction* a) { a->setChecked(false); });
  actions({"Trouverunlieu1", "TrouvRelFreq"}, [](QAction* a) { a->setEnabled(true); });
  for (const char* button : {"BoutonProjection", "BoutonZoom", "ToolButtonC3D", "ToolButtonVue3D", "BoutonVol3D"}) {
    if (auto* widget = findChild<QWidget*>(button)) {
      widget->setEnabled(true);
    }
  }
  state_.projection.BackgroundActive = false;
  StaticTextInfo->setText(QString(9, QChar(' ')));
}

void TFormPrinc::AddProgress(const std::string& line) {
  if (formDebug_) {
    formDebug_->AddLine(line);
  }
}

void TFormPrinc::CloseStartupWindow() {
  if (formDebug_) {
    formDebug_->close();
    formDebug_.reset();
  }
}

bool TFormPrinc::FormCreate() {
  // Nothing that draws or touches the receive state runs before start-up has
  // reset it: a fix already waiting on the line is handled afterwards.
  std::optional<RedrawGate::Hold> startingUp;
  startingUp.emplace(gate_);
  formDebug_ = std::make_unique<TFormDebug>();
  formDebug_->show();
  AddProgress("Liste de démarrage :");
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screenSize = screen != nullptr ? screen->geometry().size() : QSize(1024, 768);
  DisposeFenetre(screenSize.width(), screenSize.height());

  StartupContext context{dialogs_, [this](const std::string& line) { AddProgress(line); },
                         [this] {
                           if (formDebug_) {
                             formDebug_->RemoveLastLine();
                           }
                         },
                         [this] { CloseStartupWindow(); }};
  if (ReadConfiguration(state_, startDirectory_, context) == StartupOutcome::Halt ||
      ReadRegionData(state_, context) == StartupOutcome::Halt) {
    return false;
  }
  N15->setVisible(state_.FabricationDallesPossible);
  Fabriquerdalledesniveaux1->setVisible(state_.FabricationDallesPossible);
  InitialiseGlobalState(state_);
  TailleImage(rememberedPictureSize_.width(), rememberedPictureSize_.height(), state_.PourcentApplique);
  AddProgress("Variables globales initialisées");
  OpenGpsPort();
  AddProgress("Port série initialisé");
  ResetReceiveState(state_);
  startingUp.reset();
  EtatMenusVectoriels();
  RequestRedraw();
  ChargeCarteDemarre();
  CloseStartupWindow();
  Timer1->start();
  return true;
}

MapScene TFormPrinc::Scene() {
  ReliefHooks relief{[this] {
                       ImageCarte->repaint();
                       QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                     },
                     [this](const std::string& text) { StaticTextInfo->setText(Utf8ToQString(text)); },
                     TileRepaintInterval};
  MapScene scene = MakeMapScene(state_, canvas_, std::move(relief));
  scene.zoomLabel = [this](std::int32_t zoom) { ZoomGP1->setText(QString::number(zoom)); };
  scene.pointerLabels = [this] { pointerHandlers_->RefreshPointerLabels(); };
  if (form3D_) {
    scene.controllerAngles = [this](const ControllerAngles& angles) { form3D_->AfficheAngles(angles); };
  }
  scene.menuAjouterVilles = editHandlers_->CityEntryTicked();
  return scene;
}

void TFormPrinc::RequestRedraw() {
  if (gate_.Defer(DrawingWork::Redraw)) {
    return;
  }
  {
    const RedrawGate::Hold drawing(gate_);
    Redraw();
  }
  ScheduleWaitingWork();
}

void TFormPrinc::Redraw() {
  if (state_.SurvolEnCours) {
    return;  // the fly-over owns the picture until it ends
  }
  MapScene scene = Scene();
  orvex::RequestRedraw(scene);
  ImageCarte->update();
}

void TFormPrinc::ScheduleWaitingWork() {
  if (gate_.Waiting()) {
    QTimer::singleShot(0, this, &TFormPrinc::RunWaitingWork);
  }
}

// From the event loop, never from inside a drawing: a drawing under way
// keeps the work waiting and schedules it again when it ends.
void TFormPrinc::RunWaitingWork() {
  while (const std::optional<DrawingWork> work = gate_.TakeNext()) {
    switch (*work) {
      case DrawingWork::Receive:
        MSComm1Comm();
        break;
      case DrawingWork::Tick:
        Timer1Timer();
        break;
      case DrawingWork::Redraw:
        RequestRedraw();
        break;
    }
  }
}

void TFormPrinc::Timer1Timer() {
  if (gate_.Defer(DrawingWork::Tick)) {
    return;
  }
  {
    const RedrawGate::Hold drawing(gate_);
    MapScene scene = Scene();
    const bool drawn = state_.redraw.RedrawCountdown == 1;
    MainTimerTick(scene, state_.SurvolEnCours, [this] { pointerHandlers_->ShowPointerAltitude(); });
    if (drawn) {
      ImageCarte->update();
    }
  }
  ScheduleWaitingWork();
}

void TFormPrinc::OpenGpsPort() {
  for (const auto& [port, device] : state_.config.PeripheriquesCOM) {
    MSComm1.SetDevicePath(port, device);
  }
  connect(&MSComm1, &TMSComm::DeviceLost, this, &TFormPrinc::MSComm1DeviceLost, Qt::UniqueConnection);
  connect(&MSComm1, &TMSComm::OnComm, this, &TFormPrinc::MSComm1Comm, Qt::UniqueConnection);
  if (OpenSerialPort(MSComm1, state_.config.PortGPS, ChaineReglages(state_.config)) == kSerialPortUnavailable) {
    dialogs_.Beep();
    dialogs_.Message(MessageKind::Warning, SerialPortWarning(state_));
  }
}

void TFormPrinc::MSComm1DeviceLost() {
  const std::string text = "Liaison série perdue : le port COM" + std::to_string(MSComm1.CommPort()) +
                           " a été fermé (appareil déconnecté).";
  EchoLine(text);
  StaticTextInfo->setText(QString::fromStdString(text));
}

void TFormPrinc::Quitter1Click() {
  MSComm1.SetPortOpen(false);
  close();
}

void TFormPrinc::FormClose() {
  if (closed_) {
    return;
  }
  closed_ = true;
  Timer1->stop();
  FermeProgramme(state_, dialogs_);
}

void TFormPrinc::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

}  // namespace orvex
