#pragma once
// The record browser's grid as a model over the live tables: nothing is
// copied, each cell's text is made when the view asks for it, so the largest
// table opens at once. The grid's title row is the horizontal header; model
// row r is grid row r + 1. Edits of names, diameters and call signs go
// straight back into the tables and set their modified flags.
#include <QAbstractTableModel>
#include <cstdint>
#include <vector>

#include "browser/browser_kind.h"
#include "database/tables.h"
#include "garmin/waypoint_table.h"
#include "gps/trace_table.h"

namespace orvex {

// The tables the browser lists, owned by the program.
struct BrowserTables {
  PlaceTables& places;
  Traces& traces;
  WaypointTable& waypoints;
};

// Where a grid row's record lives: file (or -1), record, point (or -1).
struct RecordAddress {
  int file = -1;
  int record = 0;
  int point = -1;
};

class RecordTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit RecordTableModel(BrowserTables tables, QObject* parent = nullptr);

  // FillBrowser: shows another table (or the same one afresh).
  void SetKind(BrowserKind kind);
  BrowserKind Kind() const { return kind_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // Width in pixels of each column of the current kind.
  int ColumnWidth(int column) const;
  // Whether the cell may become the current cell (by the user or a search).
  bool CellSelectable(int column) const;
  RecordAddress Address(int row) const;
  // The model row of record `record` of file `file` (cities, radio amateurs).
  int RowOf(int file, int record) const;

 private:
  QString Text(int row, int column) const;

  BrowserTables tables_;
  BrowserKind kind_ = BrowserKind::None;
  // Rows before each file (contours, cities, radio amateurs) or before each
  // structure (structures), in order, with the total at the end.
  std::vector<std::int64_t> firstRows_{0};
  // For structures: the file and index of each structure, in row order.
  std::vector<std::pair<int, int>> structures_;
};

}  // namespace orvex
