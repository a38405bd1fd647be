#include "browser/record_model.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <tuple>

#include "browser/browser_tables.h"

namespace orvex {
namespace {

class RecordModelTest : public ::testing::Test {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale::c()); }
  void TearDown() override { QLocale::setDefault(QLocale::system()); }
  std::string Cell(BrowserKind kind, int row, int column) {
    model.SetKind(kind);
    return model.data(model.index(row, column), Qt::DisplayRole).toString().toStdString();
  }
  testing::SampleTables sample;
  RecordTableModel model{sample.Tables()};
};

TEST_F(RecordModelTest, RowsColumnsAndCellTexts) {
  const std::tuple<BrowserKind, int, int> shapes[] = {
      {BrowserKind::Contours, 3, 4}, {BrowserKind::Villes, 5, 8},    {BrowserKind::Structures, 3, 7},
      {BrowserKind::Relais, 3, 7},   {BrowserKind::OM, 2, 5},        {BrowserKind::PointsGps, 3, 5},
      {BrowserKind::Waypoints, 2, 5}, {BrowserKind::None, 0, 0},
  };
  for (const auto& [kind, rows, columns] : shapes) {
    model.SetKind(kind);
    EXPECT_EQ(std::tuple(model.rowCount(), model.columnCount()), std::tuple(rows, columns)) << int(kind);
  }
  struct Case {
    BrowserKind kind;
    int row, column;
    std::string text;
  };
  const Case cases[] = {
      {BrowserKind::Contours, 2, 0, "1.0"},
      {BrowserKind::Contours, 2, 1, "6.13000"},
      {BrowserKind::Contours, 1, 3, "BELGIQUE.DAT"},
      {BrowserKind::Villes, 0, 2, "50.62900"},  // rounded to 5 significant digits
      {BrowserKind::Villes, 3, 0, "1.1"},
      {BrowserKind::Villes, 3, 3, "\xC3\x89pinal"},
      {BrowserKind::Villes, 1, 5, "N"},
      {BrowserKind::Villes, 0, 5, "O"},
      {BrowserKind::Villes, 4, 6, "3000"},
      {BrowserKind::Villes, 2, 7, "NORD.DAT"},  // the file name on its first row only
      {BrowserKind::Villes, 3, 7, ""},
      {BrowserKind::Structures, 1, 0, "0.0"},
      {BrowserKind::Structures, 1, 4, ""},  // name, colour and count on the first point row only
      {BrowserKind::Structures, 0, 5, "2"},
      {BrowserKind::Structures, 2, 0, "1.0"},  // the empty structure has no row
      {BrowserKind::Structures, 2, 6, "RAIL.DAT"},
      {BrowserKind::Relais, 0, 5, "145.7750"},  // a channel name resolved
      {BrowserKind::Relais, 2, 4, "145.7750"},
      {BrowserKind::OM, 1, 3, "ON4XY"},
      {BrowserKind::PointsGps, 2, 1, "120002"},  // the last point of the current channel
      {BrowserKind::PointsGps, 2, 4, "302"},
      {BrowserKind::Waypoints, 0, 2, "6.12346"},
      {BrowserKind::Waypoints, 1, 3, "-12.75000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Cell(c.kind, c.row, c.column), c.text) << int(c.kind) << " " << c.row << "," << c.column;
  }
  model.SetKind(BrowserKind::Villes);
  EXPECT_EQ(model.headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(), "Diamètre");
  EXPECT_EQ(model.ColumnWidth(3), 150);
}

// Only names, diameters and call signs are edited; a diameter that is not a
// whole number changes nothing.
TEST_F(RecordModelTest, EditsWriteBackAndMarkTheTable) {
  struct Case {
    BrowserKind kind;
    int row, column;
    QString text;
    bool accepted;
  };
  const Case cases[] = {
      {BrowserKind::Villes, 3, 4, "", false},
      {BrowserKind::Villes, 3, 4, "250", true},  {BrowserKind::Villes, 1, 3, "Paris \u00C9toile", true},
      {BrowserKind::Villes, 1, 2, "1.5", false},  {BrowserKind::Structures, 0, 4, "A4", true},
      {BrowserKind::Structures, 1, 4, "A5", false}, {BrowserKind::OM, 0, 3, "LX2ZZ", true},
      {BrowserKind::Relais, 0, 1, "X", false},   {BrowserKind::Waypoints, 0, 1, "X", false},
      // Would shift the fields of the saved line.
      {BrowserKind::Villes, 1, 3, "Paris, France", false}, {BrowserKind::OM, 0, 3, "LX2ZZ,9", false},
      {BrowserKind::Structures, 0, 4, "A4\nA5", false},
  };
  const PlaceTables& p = sample.places;
  model.SetKind(BrowserKind::Villes);
  EXPECT_FALSE(model.setData(model.index(3, 4), "12x", Qt::EditRole));
  EXPECT_EQ(std::tuple(p.TableVilles.Fichiers[1].Elements[1].Diametre, p.ModifVilles), std::tuple(80, false));
  for (const Case& c : cases) {
    model.SetKind(c.kind);
    EXPECT_EQ(model.setData(model.index(c.row, c.column), c.text, Qt::EditRole), c.accepted)
        << int(c.kind) << " " << c.text.toStdString();
  }
  EXPECT_EQ(p.TableVilles.Fichiers[1].Elements[1].Diametre, 250);
  EXPECT_EQ(p.TableVilles.Fichiers[0].Elements[1].Nom, "Paris \xC9toile");
  EXPECT_EQ(p.TableStructures.Fichiers[0].Elements[0].Nom, "A4");
  EXPECT_EQ(p.TableOM.Fichiers[0].Elements[0].Indicatif, "LX2ZZ");
  EXPECT_TRUE(p.ModifVilles && p.ModifStructures && p.ModifOM);
  EXPECT_FALSE(p.ModifNiveaux);
}

}  // namespace
}  // namespace orvex
