#pragma once
// TFormVisu, "Visualisation": one table of the program in a grid, with a
// search and "Pointer", which centres the map on the selected record. The
// grid is a view over the live tables (RecordTableModel).
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>

#include "browser/map_pointing.h"
#include "browser/record_model.h"

namespace orvex {

class TFormVisu : public QDialog {
  Q_OBJECT
 public:
  TFormVisu(BrowserTables tables, PointingScene pointing, BrowserKind kind, QWidget* parent = nullptr);

  // FillBrowser for another kind (the dialog's own menu).
  void FillBrowser(BrowserKind kind);
  // "Rechercher" searches from the first record, "Suivant" from the record
  // after the current one.
  void SearchBrowser(bool fromStart);
  void PointerClick();

  RecordTableModel& Model() { return model_; }

  QMenuBar* MainMenu1 = nullptr;
  QTableView* StringGrid1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QPushButton* ButtonRechercher = nullptr;
  QPushButton* ButtonSuivant = nullptr;
  QPushButton* ButtonPointer = nullptr;

 private:
  // Makes the cell current when the selection rule allows it; otherwise only
  // brings its row into view.
  void RequestCell(int row, int column);

  PlaceTables& places_;
  PointingScene pointing_;
  RecordTableModel model_;
};

}  // namespace orvex
