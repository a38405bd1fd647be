#pragma once
// The main window's editing commands: level curves created click by click or
// edited point by point through their pop-up menu, and cities added by
// pressing on their place and dragging their circle. The pointer handlers
// call in at the places of the pointer and key events that belong to editing.
// Built after the map-image menu, whose "Ajouter des villes" entry it serves.
#include <QAction>
#include <QMenu>
#include <QObject>
#include <QString>

#include <cstdint>

namespace orvex {

class TFormPrinc;
struct CurveEditing;
struct CityEntry;

class EditHandlers : public QObject {
  Q_OBJECT
 public:
  explicit EditHandlers(TFormPrinc& form);

  // Pointer and key events, from the pointer handlers.
  void ImageCarteMouseDown(int x, int y, Qt::MouseButton button);
  void ImageCarteMouseUp(Qt::MouseButton button);
  // In curve edit mode a move drags the selected point and nothing else
  // happens: true then.
  bool CurveEditMove();
  // The city circle follows the pointer while the button is held.
  void CityDragMove(int x, int y);
  // A click while creating a curve adds a point: true then.
  bool CreationClick();
  // Backspace and Escape while creating a curve.
  void CreationBackspace();
  void CreationEscape();
  bool CurveModeTicked() const;
  bool EditModeTicked() const;
  bool CityEntryTicked() const;
  // The map's right-button menu: the general one, or in curve edit mode the
  // level-curve menu once a point has been selected (none before).
  QMenu* MapMenu() const;

  void Crerunecourbedeniveau1Click();
  void Editerunecourbedeniveau1Click();
  void ModifAltitudeClick();
  void Ajouterunpoint1Click();
  void Supprimerunpoint1Click();
  void Supprimerlacourbe1Click();
  void ProlongeCoubeClick();
  void Arrtdeldition1Click();
  void MenuAjoutervillesClick();

  QAction* Crerunecourbedeniveau1 = nullptr;
  QAction* Editerunecourbedeniveau1 = nullptr;
  QAction* MenuAjoutervilles = nullptr;
  QMenu* PopupMenuNiveau = nullptr;
  QAction* ModifAltitude = nullptr;
  QAction* Ajouterunpoint1 = nullptr;
  QAction* Supprimerunpoint1 = nullptr;
  QAction* Supprimerlacourbe1 = nullptr;
  QAction* ProlongeCoube = nullptr;
  QAction* Arrtdeldition1 = nullptr;

 private:
  void BuildMenus();
  QAction* AddAction(QMenu* menu, const QString& text, const char* name, void (EditHandlers::*handler)());
  CurveEditing& Editing();
  CityEntry& City();
  void Status(const QString& text);
  // Creation or edit mode on or off, the other mode off; the menu items follow.
  void SetModes(bool creation, bool edition);
  // The altitude typed in the altitude dialog; 0 keeps `current`.
  std::int32_t AskAltitude(std::int32_t current);
  // An altitude the curve files can hold, or the reason in the status line.
  bool AltitudeAccepted(std::int32_t altitude);
  // The origin labels of the measurement panel show the measure's origin.
  void ShowOrigin();
  void AddCity();

  TFormPrinc& form_;
  bool popupNiveau_ = false;  // a point was selected in edit mode: the level-curve menu pops up
};

}  // namespace orvex
