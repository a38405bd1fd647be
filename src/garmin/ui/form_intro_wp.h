#pragma once
// TFormIntroWP, "nouveau Way point": the name and comment of a waypoint
// created by a click on the map. A name already in the table is refused and
// the dialog stays open.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <string>

#include "garmin/waypoint_table.h"

namespace orvex {

struct NewWaypoint {
  std::string Name;  // padded to 6 characters, Windows-1252
  std::string Comment;
};

class TFormIntroWP : public QDialog {
  Q_OBJECT
 public:
  explicit TFormIntroWP(const WaypointTable& table, QWidget* parent = nullptr);

  QLineEdit* EditNomWP = nullptr;
  QLineEdit* EditCommWP = nullptr;
  QLabel* LabelMessage = nullptr;
  QPushButton* ButtonOk = nullptr;

  // What "Ok" accepted; nothing when the dialog was closed otherwise.
  const std::optional<NewWaypoint>& Result() const { return result_; }

 private:
  void ButtonOkClick();

  const WaypointTable& table_;
  std::optional<NewWaypoint> result_;
};

}  // namespace orvex
