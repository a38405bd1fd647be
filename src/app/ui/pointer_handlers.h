#pragma once
// The main window's pointer, keyboard and navigation handlers: the pointer
// panel, the two-point measurement, the zoom rectangle, zooming on the
// pointed place, navigation at the border, the map keys, the tool buttons
// and menu items that toggle the view, the map's pop-up menu and the
// change-zoom and change-locator dialogs. Built once by the main window,
// whose widgets and state it works on.
#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QToolButton>

#include "app/ui/form_donnees.h"
#include "mapview/pointer_interaction.h"

namespace orvex {

class TFormPrinc;

class PointerHandlers : public QObject {
  Q_OBJECT
 public:
  explicit PointerHandlers(TFormPrinc& form);
  ~PointerHandlers() override;
  PointerHandlers(const PointerHandlers&) = delete;
  PointerHandlers& operator=(const PointerHandlers&) = delete;

  PointerInteraction& Interaction() { return interaction_; }

  void ImageCarteMouseMove(int x, int y);
  void ImageCarteClick();
  void ImageCarteDblClick();
  // One typed character ('\b' for Backspace, '\x1b' for Escape); true when
  // it is one of the map's keys.
  bool FormKeyPress(QChar key);
  void BoutonZoomClick();
  void ZoomPointe();
  void DeZoomPointe();
  void Naviguer1Click();
  void AffRelaisCmdExecute();
  void BoutonGrilleClick();
  void BoutonRAZAnglesClick();
  void BoutonProjectionClick();
  void ZoomGP1Click();
  void LocGP1Click();
  void ConversionLongLatQRA2Click();
  void ConversionQRALongLat2Click();

  // Scrolls the map's scroll box so that picture pixel (x, y) comes to the
  // middle, when that pixel lies inside the picture.
  void ScrollToPoint(int x, int y);
  // The main timer's "pointer still" step: the altitude under the pointer.
  void ShowPointerAltitude();
  // The pointer panel for the pointer's pixel under the current view; the
  // redraw's pointer-label step.
  void RefreshPointerLabels();

  QToolButton* BoutonZoom = nullptr;
  QToolButton* BoutonGrille = nullptr;
  QToolButton* BoutonRAZAngles = nullptr;
  QToolButton* BoutonProjection = nullptr;
  QToolButton* BoutonRelais = nullptr;
  QAction* GrilleQRA = nullptr;
  QAction* MenuAfficheRelais = nullptr;
  QAction* ConversionLongLatQRA2 = nullptr;
  QAction* ConversionQRALongLat2 = nullptr;
  QMenu* PopupMenuGeneral = nullptr;
  QAction* PopZoom = nullptr;
  QAction* PopQRA = nullptr;
  QAction* N3 = nullptr;
  QAction* PopPointe = nullptr;
  QAction* PopDepoint = nullptr;
  QAction* N5 = nullptr;
  QAction* Naviguer1 = nullptr;
  QAction* N13 = nullptr;

 protected:
  // Sees every key typed in the main window before its widgets do, and the
  // clicks on the zoom and locator labels.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildToolButtons();
  void BuildMenuItems();
  void BuildPopupMenu();
  void ConnectPicture();
  QToolButton* AddToolButton(const QString& text, const QString& hint, const char* name, void (PointerHandlers::*handler)());
  QAction* AddMenuAction(QMenu* menu, const QString& text, const char* name, void (PointerHandlers::*handler)());

  PointerScene Scene();
  void ShowPointerLabels(const PointerLabelTexts& texts);
  void ShowMeasure(const MeasureTexts& texts);
  void Navigate(int x, int y);
  void RotationKey(void (*step)(ProjectionState&, double), double radians);
  // Opens the data-entry dialog; true when it closed on valid data, which is
  // then in the zoom and locator labels.
  bool EnterLocatorAndZoom(EntreeDonnees mode);

  TFormPrinc& form_;
  PointerInteraction interaction_;
  QPointer<QAction> zoomAction_;
  // A left press on the picture that its release turns into a click; a
  // double click takes it back, so its second release is no click.
  bool clickPending_ = false;
};

}  // namespace orvex
