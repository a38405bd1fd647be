#include "app/ui/pointer_handlers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>

#include "app/ui/edit_handlers.h"
#include "app/ui/form_princ.h"
#include "app/ui/map_picture.h"
#include "geo/coordinate_text.h"
#include "gps/trace_table.h"
#include "geo/locator.h"
#include "platform/ui/qt_text.h"
#include "terrain/dalles.h"

namespace orvex {
namespace {

constexpr double kRotationStep = 0.1;  // radians per key press
constexpr int kNavigationMargin = 50;  // pixels from the visible border
constexpr char kBackspace = '\b';
constexpr char kEscape = '\x1b';

// A hint written "short|long": the short part is the tool tip, the long part
// the status tip.
void SetHint(QAction* action, const QString& hint) {
  const qsizetype bar = hint.indexOf(QLatin1Char('|'));
  action->setToolTip(hint.left(bar));
  action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

QMenu* MenuNamed(QMenuBar* bar, const char* name, const QString& title) {
  if (auto* menu = bar->findChild<QMenu*>(name)) {
    return menu;
  }
  QMenu* menu = bar->addMenu(title);
  menu->setObjectName(name);
  return menu;
}

// The separator just before `action` in the first menu that holds it.
QAction* SeparatorBefore(const QAction* action) {
  for (QObject* owner : action->associatedObjects()) {
    if (auto* menu = qobject_cast<QMenu*>(owner)) {
      const QList<QAction*> actions = menu->actions();
      const qsizetype index = actions.indexOf(const_cast<QAction*>(action));
      if (index > 0 && actions[index - 1]->isSeparator()) {
        return actions[index - 1];
      }
    }
  }
  return nullptr;
}

// The character a key press types, with Backspace and Escape named by their
// key, since some platforms give them no text.
QChar TypedCharacter(const QKeyEvent& event) {
  if (event.key() == Qt::Key_Backspace) {
    return QLatin1Char(kBackspace);
  }
  if (event.key() == Qt::Key_Escape) {
    return QLatin1Char(kEscape);
  }
  return event.text().size() == 1 ? event.text().at(0) : QChar();
}

bool InsideWindow(QObject* watched, const QWidget* window) {
  auto* widget = qobject_cast<QWidget*>(watched);
  return widget != nullptr && widget->window() == window;
}

}  // namespace

PointerHandlers::PointerHandlers(TFormPrinc& form) : form_(form) {
  BuildToolButtons();
  BuildMenuItems();
  BuildPopupMenu();
  ConnectPicture();
  qApp->installEventFilter(this);
}

PointerHandlers::~PointerHandlers() { qApp->removeEventFilter(this); }

QToolButton* PointerHandlers::AddToolButton(const QString& text, const QString& hint, const char* name,
                                            void (PointerHandlers::*handler)()) {
  auto* action = new QAction(text, &form_);
  SetHint(action, hint);
  connect(action, &QAction::triggered, this, handler);
  form_.ToolBar1->addAction(action);
  auto* button = qobject_cast<QToolButton*>(form_.ToolBar1->widgetForAction(action));
  button->setObjectName(name);
  return button;
}

QAction* PointerHandlers::AddMenuAction(QMenu* menu, const QString& text, const char* name,
                                        void (PointerHandlers::*handler)()) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  connect(action, &QAction::triggered, this, handler);
  return action;
}

void PointerHandlers::BuildToolButtons() {
  BoutonZoom = AddToolButton(QStringLiteral("Zoom"), QStringLiteral("Zoom : tirer avec la souris"), "BoutonZoom",
                             &PointerHandlers::BoutonZoomClick);
  zoomAction_ = BoutonZoom->defaultAction();
  BoutonGrille = AddToolButton(QStringLiteral("Grille"), QStringLiteral("Bascule Grille QRA"), "BoutonGrille",
                               &PointerHandlers::BoutonGrilleClick);
  BoutonRAZAngles = AddToolButton(QStringLiteral("RAZ angles"), QString::fromUtf8("Remise à 0 des angles de rotation"),
                                  "BoutonRAZAngles", &PointerHandlers::BoutonRAZAnglesClick);
  BoutonProjection = AddToolButton(QStringLiteral("Projection"), QString::fromUtf8("Projection plane / sphérique"),
                                   "BoutonProjection", &PointerHandlers::BoutonProjectionClick);
  BoutonRelais = AddToolButton(QStringLiteral("Relais"), QStringLiteral("Bascule ; affiche les relais"),
                               "BoutonRelais", &PointerHandlers::AffRelaisCmdExecute);
}

void PointerHandlers::BuildMenuItems() {
  QMenu* affichage = MenuNamed(form_.menuBar(), "Affichage1", QStringLiteral("&Affichage"));
  GrilleQRA = AddMenuAction(affichage, QStringLiteral("Grille QRA"), "GrilleQRA", &PointerHandlers::BoutonGrilleClick);
  MenuAfficheRelais = AddMenuAction(affichage, QStringLiteral("Afficher les relais"), "MenuAfficheRelais",
                                    &PointerHandlers::AffRelaisCmdExecute);
  QMenu* outils = MenuNamed(form_.menuBar(), "Outils1", QStringLiteral("&Outils"));
  ConversionLongLatQRA2 = AddMenuAction(outils, QStringLiteral("Conversion Long/Lat -> QRA"), "ConversionLongLatQRA2",
                                        &PointerHandlers::ConversionLongLatQRA2Click);
  ConversionQRALongLat2 = AddMenuAction(outils, QStringLiteral("Conversion QRA -> Long/Lat"), "ConversionQRALongLat2",
                                        &PointerHandlers::ConversionQRALongLat2Click);
}

void PointerHandlers::BuildPopupMenu() {
  PopupMenuGeneral = new QMenu(&form_);
  PopupMenuGeneral->setObjectName("PopupMenuGeneral");
  PopupMenuGeneral->setToolTipsVisible(true);
  PopZoom = AddMenuAction(PopupMenuGeneral, QStringLiteral("Changer le zoom"), "PopZoom", &PointerHandlers::ZoomGP1Click);
  PopQRA = AddMenuAction(PopupMenuGeneral, QStringLiteral("Changer le QRA"), "PopQRA", &PointerHandlers::LocGP1Click);
  N3 = PopupMenuGeneral->addSeparator();
  N3->setObjectName("N3");
  PopPointe = AddMenuAction(PopupMenuGeneral, QString::fromUtf8("Zoomer sur lieu pointé"), "PopPointe",
                            &PointerHandlers::ZoomPointe);
  PopDepoint = AddMenuAction(PopupMenuGeneral, QString::fromUtf8("Dézoomer du lieu pointé"), "PopDepoint",
                             &PointerHandlers::DeZoomPointe);
  N5 = PopupMenuGeneral->addSeparator();
  N5->setObjectName("N5");
  Naviguer1 = AddMenuAction(PopupMenuGeneral, QStringLiteral("Naviguer"), "Naviguer1", &PointerHandlers::Naviguer1Click);
  Naviguer1->setCheckable(true);
  SetHint(Naviguer1, QStringLiteral(
                         "Bascule ; permet de naviguer avec |la souris lorsqu'on la positionne en bordure de carte"));
  N13 = PopupMenuGeneral->addSeparator();
  N13->setObjectName("N13");
}

void PointerHandlers::ConnectPicture() {
  MapPicture* picture = form_.ImageCarte;
  picture->setFocusPolicy(Qt::StrongFocus);
  picture->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(picture, &QWidget::customContextMenuRequested, this, [this, picture](const QPoint& at) {
    if (QMenu* menu = form_.Edits().MapMenu()) {
      menu->popup(picture->mapToGlobal(at));
    }
  });
  connect(picture, &MapPicture::MouseMoved, this, &PointerHandlers::ImageCarteMouseMove);
  connect(picture, &MapPicture::MousePressed, this, [this](int x, int y, Qt::MouseButton button) {
    clickPending_ = button == Qt::LeftButton;
    form_.Edits().ImageCarteMouseDown(x, y, button);
  });
  connect(picture, &MapPicture::MouseReleased, this, [this, picture](int x, int y, Qt::MouseButton button) {
    const bool click = clickPending_ && button == Qt::LeftButton && picture->rect().contains(x, y);
    clickPending_ = false;
    form_.Edits().ImageCarteMouseUp(button);
    if (click) {
      ImageCarteClick();
    }
  });
  connect(picture, &MapPicture::DoubleClicked, this, [this] {
    clickPending_ = false;
    ImageCarteDblClick();
  });
}

bool PointerHandlers::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && InsideWindow(watched, &form_)) {
    return FormKeyPress(TypedCharacter(*static_cast<QKeyEvent*>(event)));
  }
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == form_.ZoomGP1) {
      ZoomGP1Click();
      return true;
    }
    if (watched == form_.LocGP1) {
      LocGP1Click();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

PointerScene PointerHandlers::Scene() {
  ProgramState& state = form_.State();
  return PointerScene{form_.MapCanvas(), state.projection, state.redraw, interaction_, form_.Edits().CityEntryTicked()};
}

void PointerHandlers::ShowPointerLabels(const PointerLabelTexts& texts) {
  form_.LgGP1->setText(texts.Longitude);
  form_.LtGP1->setText(texts.Latitude);
  form_.LocGP1->setText(texts.Locator);
  form_.AltGP1->setText(texts.Altitude);
  form_.LgGP1C->setText(texts.DecimalLongitude);
  form_.LtGP1C->setText(texts.DecimalLatitude);
}

void PointerHandlers::ShowMeasure(const MeasureTexts& texts) {
  form_.LgDeGP2->setText(texts.DestinationLongitude);
  form_.LtDeGP2->setText(texts.DestinationLatitude);
  form_.AzGP2->setText(texts.Azimuth);
  form_.DistGP2->setText(texts.Distance);
  form_.DistTotGP2->setText(texts.CumulativeDistance);
}

void PointerHandlers::ImageCarteMouseMove(int x, int y) {
  form_.State().redraw.PointerAltitudeCountdown = 2;
  PointerScene scene = Scene();
  EraseRubberBand(scene);
  ShowPointerLabels(TrackPointer(scene, x, y));
  if (form_.Edits().CurveEditMove()) {
    return;
  }
  if (const std::optional<MeasureTexts> texts = DrawRubberBand(scene)) {
    ShowMeasure(*texts);
  }
  form_.Edits().CityDragMove(x, y);
  form_.ImageCarte->update();
  if (interaction_.NavigateMode) {
    Navigate(x, y);
  }
}

// Without a background the centre moves by a step and the map is redrawn;
// over a background image, which has a fixed scale, the scroll box brings the
// pointed place to the middle once the pointer nears the visible border.
void PointerHandlers::Navigate(int x, int y) {
  ProjectionState& p = form_.State().projection;
  if (!p.BackgroundActive) {
    if (NavigateAtBorder(p, x, y)) {
      form_.RequestRedraw();
    }
    return;
  }
  const QWidget* viewport = form_.ScrollBox1->viewport();
  const int vx = x - form_.ScrollBox1->horizontalScrollBar()->value();
  const int vy = y - form_.ScrollBox1->verticalScrollBar()->value();
  if (vx < kNavigationMargin || vx > viewport->width() - kNavigationMargin || vy < kNavigationMargin ||
      vy > viewport->height() - kNavigationMargin) {
    ScrollToPoint(x, y);
  }
}

void PointerHandlers::ImageCarteClick() {
  ProgramState& state = form_.State();
  ProjectionState& p = state.projection;
  PointerInteraction& s = interaction_;
  if (form_.Edits().CreationClick()) {
    return;
  }
  if (s.TiePointStep != 0) {
    form_.TiePointClick();
    return;
  }
  if (!p.NoRotation || form_.CreateWaypointAt(s.PointerLongitude, s.PointerLatitude)) {
    return;
  }
  const bool drawingTrace = form_.DessinerUnTrace->isChecked();
  if (s.MeasureActive && !s.ZoomMode) {
    if (state.redraw.RubberBandShown) {
      AddSegment(s);
      form_.DistTotGP2->setText(DistanceText(s.CumulativeDistance));
      if (drawingTrace) {
        AddDrawnTracePoint(state.traces, s.MeasureEnd.Longitude, s.MeasureEnd.Latitude);
      }
    }
    StopMeasure(s, state.redraw);
    if (drawingTrace) {
      // The trace goes on from the point just clicked.
      s.MeasureOrigin = s.MeasureEnd;
      s.MeasureActive = true;
    }
    return;
  }
  if (s.MeasureActive && s.ZoomMode) {
    ApplyZoomRectangle(p, s.MeasureOrigin, {s.PointerLongitude, s.PointerLatitude});
    StopMeasure(s, state.redraw);
    form_.RequestRedraw();
    return;
  }
  if (p.Spherical || form_.Edits().EditModeTicked() || form_.Edits().CityEntryTicked()) {
    return;
  }
  StartMeasure(s);
  form_.LgOrGP2->setText(LongitudeLabel(s.MeasureOrigin.Longitude));
  form_.LtOrGP2->setText(LatitudeLabel(s.MeasureOrigin.Latitude));
  // The corner of a zoom rectangle is no point of the trace.
  if (drawingTrace && !s.ZoomMode) {
    AddDrawnTracePoint(state.traces, s.MeasureOrigin.Longitude, s.MeasureOrigin.Latitude);
    // The band counts as shown so the next click ends a segment; a thin line
    // of no length stands for it, so the next move erases nothing.
    s.Band = RubberBand{RubberBand::Shape::Line, s.PointerX, s.PointerY, s.PointerX, s.PointerY, kRubberBandColour, 1};
    state.redraw.RubberBandShown = true;
  }
}

void PointerHandlers::ImageCarteDblClick() {
  if (form_.Edits().CurveModeTicked()) {
    return;
  }
  StopMeasure(interaction_, form_.State().redraw);
  interaction_.CumulativeDistance = 0;
}

void PointerHandlers::RotationKey(void (*step)(ProjectionState&, double), double radians) {
  step(form_.State().projection, radians);
  MapScene scene = form_.CurrentScene();
  PrepareView(scene);
  form_.ImageCarte->update();
}

bool PointerHandlers::FormKeyPress(QChar key) {
  ProjectionState& p = form_.State().projection;
  switch (key.unicode()) {
    case 'd':
      RotationKey(StepAlpha, -kRotationStep);
      return true;
    case 's':
      RotationKey(StepAlpha, kRotationStep);
      return true;
    case 'k':
      RotationKey(StepBeta, kRotationStep);
      return true;
    case 'l':
      RotationKey(StepBeta, -kRotationStep);
      return true;
    case 'w':
      RotationKey(StepGamma, kRotationStep);
      return true;
    case 'x':
      RotationKey(StepGamma, -kRotationStep);
      return true;
    case '+':
      if (PlusKey(p)) {
        form_.RequestRedraw();
      }
      return true;
    case '-':
      if (MinusKey(p)) {
        form_.RequestRedraw();
      }
      return true;
    case ' ':
      if (p.BackgroundActive) {
        ScrollToPoint(interaction_.PointerX, interaction_.PointerY);
      } else {
        p.CentreLongitude = interaction_.PointerLongitude;
        p.CentreLatitude = interaction_.PointerLatitude;
        form_.RequestRedraw();
      }
      return true;
    case kBackspace:
      form_.Edits().CreationBackspace();
      return true;
    case kEscape:
      interaction_.CumulativeDistance = 0;
      form_.DistTotGP2->setText(DistanceText(interaction_.CumulativeDistance));
      form_.Edits().CreationEscape();
      return true;
    default:
      return false;
  }
}

void PointerHandlers::BoutonZoomClick() {
  if (form_.State().projection.Spherical) {
    return;
  }
  interaction_.ZoomMode = true;
  interaction_.MeasureActive = false;
  form_.State().redraw.RubberBandShown = false;
}

void PointerHandlers::ZoomPointe() {
  orvex::ZoomPointe(form_.State().projection, interaction_);
  form_.RequestRedraw();
}

void PointerHandlers::DeZoomPointe() {
  orvex::DeZoomPointe(form_.State().projection, interaction_);
  form_.RequestRedraw();
}

void PointerHandlers::Naviguer1Click() {
  interaction_.NavigateMode = !interaction_.NavigateMode;
  Naviguer1->setChecked(interaction_.NavigateMode);
}

void PointerHandlers::AffRelaisCmdExecute() {
  DisplayOptions& display = form_.State().display;
  display.AfficheRelais = !display.AfficheRelais;
  form_.RequestRedraw();
}

void PointerHandlers::BoutonGrilleClick() {
  DisplayOptions& display = form_.State().display;
  display.GridShown = !display.GridShown;
  form_.RequestRedraw();
}

void PointerHandlers::BoutonRAZAnglesClick() {
  ResetAngles(form_.State().projection);
  form_.RequestRedraw();
}

// The globe has no zoom rectangle, measurement nor drawn trace.
void PointerHandlers::BoutonProjectionClick() {
  ProgramState& state = form_.State();
  ToggleProjection(state.projection);
  const bool globe = state.projection.Spherical;
  if (zoomAction_) {
    zoomAction_->setEnabled(!globe);
  }
  if (auto* trace = form_.findChild<QAction*>("DessinerUnTrace")) {
    if (globe) {
      trace->setChecked(false);
    }
    trace->setVisible(!globe);
    if (QAction* separator = SeparatorBefore(trace)) {
      separator->setVisible(!globe);
    }
  }
  if (globe) {
    StopMeasure(interaction_, state.redraw);
  }
  form_.RequestRedraw();
}

bool PointerHandlers::EnterLocatorAndZoom(EntreeDonnees mode) {
  const ProjectionState& p = form_.State().projection;
  if (p.BackgroundActive) {
    return false;
  }
  TFormDonnees dialog(form_.UserDialogs(), mode, {form_.LocGP1->text(), form_.ZoomGP1->text(), p.Spherical}, &form_);
  if (dialog.exec() != QDialog::Accepted) {
    return false;
  }
  form_.ZoomGP1->setText(dialog.ZoomText());
  form_.LocGP1->setText(dialog.LocatorText());
  return true;
}

void PointerHandlers::ZoomGP1Click() {
  if (!EnterLocatorAndZoom(EntreeDonnees::ZoomFirst)) {
    return;
  }
  int zoom = 0;
  if (ParseInteger(FromQString(form_.ZoomGP1->text()), zoom)) {
    form_.State().projection.Zoom = zoom;
  }
  form_.RequestRedraw();
}

void PointerHandlers::LocGP1Click() {
  if (!EnterLocatorAndZoom(EntreeDonnees::LocatorFirst)) {
    return;
  }
  ProjectionState& p = form_.State().projection;
  LocatorToCoordinate(FromQString(form_.LocGP1->text()), p.CentreLongitude, p.CentreLatitude);
  form_.RequestRedraw();
}

void PointerHandlers::ConversionLongLatQRA2Click() {
  form_.StaticTextInfo->setText(QString::fromUtf8("Option non encore implantée"));
}

void PointerHandlers::ConversionQRALongLat2Click() {
  form_.StaticTextInfo->setText(QString::fromUtf8("Option non encore implantée"));
}

void PointerHandlers::ScrollToPoint(int x, int y) {
  const QWidget* viewport = form_.ScrollBox1->viewport();
  const Canvas& canvas = form_.MapCanvas();
  const std::optional<ScrollPosition> position =
      ScrollToPointPosition(x, y, canvas.Width(), canvas.Height(), viewport->width(), viewport->height());
  if (!position) {
    return;
  }
  form_.ScrollBox1->horizontalScrollBar()->setValue(position->x);
  form_.ScrollBox1->verticalScrollBar()->setValue(position->y);
  form_.ImageCarte->update();
}

void PointerHandlers::ShowPointerAltitude() {
  const ProgramState& state = form_.State();
  const GeoBounds& bounds = state.projection.ViewBounds;
  const FenetreVisible window{bounds.West, bounds.East, bounds.South, bounds.North};
  const std::int32_t altitude = AltitudeDuPoint(state.display.AffDalles, state.dalle, state.tables.TableNiveaux, window,
                                                interaction_.PointerLongitude, interaction_.PointerLatitude);
  form_.AltGP1->setText(QString::number(altitude));
}

void PointerHandlers::RefreshPointerLabels() {
  form_.State().redraw.PointerAltitudeCountdown = 2;
  PointerScene scene = Scene();
  ShowPointerLabels(TrackPointer(scene, interaction_.PointerX, interaction_.PointerY));
}

}  // namespace orvex
