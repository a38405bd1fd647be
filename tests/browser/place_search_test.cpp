#include "browser/place_search.h"

#include <gtest/gtest.h>

#include <tuple>

#include "browser/browser_tables.h"
#include "browser/map_pointing.h"
#include "geo/locator.h"

namespace orvex {
namespace {

TEST(FindPlaces, CitiesAndCallSignsByAPieceOfTheName) {
  testing::SampleTables s;
  struct Case {
    std::string text;  // as the search hands it: upper-cased
    std::optional<std::pair<int, int>> city;
  };
  const Case cases[] = {
      {"LILLE", std::pair(0, 0)},
      {"ILL", std::pair(0, 0)},        // the first match in file order wins over Villeneuve
      {"VILLE", std::pair(1, 0)},
      {"\xC9PINAL", std::pair(1, 1)},  // an accented letter typed as written
      {"\xE9PINAL", std::nullopt},     // accents are not upper-cased
      {"", std::nullopt},
      {"LYON", std::nullopt},
  };
  for (const Case& c : cases) {
    const auto found = FindCity(s.places.TableVilles, c.text);
    EXPECT_EQ(found ? std::optional(std::pair(found->FoundGroup, found->FoundRecord)) : std::nullopt, c.city) << c.text;
  }
  ASSERT_TRUE(FindOm(s.places.TableOM, "4X"));
  EXPECT_EQ(FindOm(s.places.TableOM, "4X")->FoundRecord, 1);
  EXPECT_FALSE(FindOm(s.places.TableOM, ""));
}

TEST(FindPlaces, RepeatersByFieldFromAStartingRecord) {
  testing::SampleTables s;
  const std::tuple<std::string, int, std::optional<std::pair<int, int>>> cases[] = {
      {"LX0", 0, std::pair(0, 0)},
      {"JN", 0, std::pair(0, 1)},
      {"JN", 1, std::pair(1, 1)},
      {"145.7750", 0, std::pair(0, 4)},  // a frequency through its channel name
      {"145.775", 0, std::nullopt},      // frequencies must be equal
      {"LIEGE", 0, std::pair(2, 2)},
      {"LX0", 1, std::nullopt},
      {"", 0, std::nullopt},
  };
  for (const auto& [text, first, expected] : cases) {
    const auto found = FindRepeater(s.places, text, first);
    EXPECT_EQ(found ? std::optional(std::pair(found->index, found->field)) : std::nullopt, expected) << text;
  }
}

class MapPointing : public ::testing::Test {
 protected:
  void SetUp() override {
    canvas.SetSize(800, 600);
    p.ImageWidth = 800;
    p.ImageHeight = 600;
    p.Zoom = 100;
    p.CentreLongitude = 6;
    p.CentreLatitude = 49.5;
    ComputeViewport(p);
  }
  std::string Search(const std::string& text) {
    PlaceSearchScene scene{Pointing(), canvas, s.places, 6.0, 49.0, {}};
    return SearchPlace(scene, text);
  }
  PointingScene Pointing() {
    return {p, display, [this] {
              ++redraws;
              ComputeViewport(p);
            }, [this](int x, int y) { scrolled = {x, y}; }};
  }
  int YellowPixels() const {
    int count = 0;
    const QImage& image = canvas.Image();
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        count += image.pixel(x, y) == qRgb(255, 255, 0);
      }
    }
    return count;
  }

  testing::SampleTables s;
  Canvas canvas;
  ProjectionState p;
  DisplayOptions display;
  int redraws = 0;
  std::optional<std::pair<int, int>> scrolled;
};

TEST_F(MapPointing, SearchStepsAndTheirZooms) {
  struct Case {
    std::string typed;
    std::int32_t zoom;
    double lon, lat;
    bool repeaters;
  };
  double jn39lon = 0, jn39lat = 0;
  LocatorToCoordinate("JN39BO", jn39lon, jn39lat);
  const Case cases[] = {
      {"lille", 3501, FromFixed(ToFixed(3.0573)), FromFixed(ToFixed(50.6292)), false},
      {"paris", 2000, FromFixed(ToFixed(2.35)), FromFixed(ToFixed(48.85)), false},
      {"lx1", 2000, FromFixed(ToFixed(6.1)), FromFixed(ToFixed(49.6)), false},
      {"luxemb", 1010, jn39lon, jn39lat, true},
  };
  for (const Case& c : cases) {
    display.AfficheRelais = false;
    EXPECT_EQ(Search(c.typed), "") << c.typed;
    EXPECT_EQ(std::tuple(p.Zoom, p.CentreLongitude, p.CentreLatitude, display.AfficheRelais),
              std::tuple(c.zoom, c.lon, c.lat, c.repeaters))
        << c.typed;
    // The blue frame around the place, 100 pixels each side of it.
    const ScreenPoint at = GeoToScreen(p, c.lon, c.lat, 0);
    EXPECT_EQ(canvas.Image().pixel(at.x - 100, at.y), qRgb(0, 0, 255)) << c.typed;
  }
  EXPECT_EQ(Search(""), "Pas trouv\xE9");
  EXPECT_EQ(Search("zzz"), "Pas trouv\xE9");
}

TEST_F(MapPointing, FrequencyLinesGoToRepeatersInView) {
  p.Zoom = 400;  // Luxembourg in view, Liège (JO20) outside
  ComputeViewport(p);
  EXPECT_EQ(Search("145.77"), "");  // two repeaters use R7; one is out of view
  EXPECT_EQ(redraws, 0);
  EXPECT_GT(YellowPixels(), 50);
  p.CentreLatitude = 30;
  ComputeViewport(p);
  EXPECT_EQ(Search("145.77"), "Pas trouv\xE9");
}

TEST_F(MapPointing, BackgroundImageScrollsInsteadOfMoving) {
  p.BackgroundActive = true;
  p.Zoom = 400;  // two degrees wide around Luxembourg
  ComputeViewport(p);
  EXPECT_EQ(Search("lx1"), "");  // a radio amateur inside the picture
  EXPECT_EQ(p.Zoom, 400);
  ASSERT_TRUE(scrolled);
  EXPECT_EQ(Search("lille"), "LILLE est en dehors des limites carte");
}

TEST_F(MapPointing, PointerZoomsOnTheRecord) {
  RecordTableModel model(s.Tables());
  PointingScene scene = Pointing();
  model.SetKind(BrowserKind::Villes);
  const std::tuple<int, std::int32_t> cities[] = {{4, 3001}, {3, 2000}, {1, 2000}};
  for (const auto& [row, zoom] : cities) {
    ASSERT_TRUE(PointRecord(model, s.places, row, scene));
    EXPECT_EQ(p.Zoom, zoom) << row;
  }
  model.SetKind(BrowserKind::Relais);
  ASSERT_TRUE(PointRecord(model, s.places, 1, scene));
  EXPECT_EQ(std::tuple(p.Zoom, display.AfficheRelais), std::tuple(600, true));
  model.SetKind(BrowserKind::OM);
  ASSERT_TRUE(PointRecord(model, s.places, 0, scene));
  EXPECT_EQ(std::tuple(p.Zoom, display.AfficheOM, p.CentreLongitude), std::tuple(2000, true, FromFixed(ToFixed(6.1))));
  model.SetKind(BrowserKind::Contours);
  EXPECT_FALSE(PointRecord(model, s.places, 0, scene));
  s.places.TableVilles.Fichiers.clear();
  model.SetKind(BrowserKind::Villes);
  EXPECT_FALSE(PointRecord(model, s.places, 0, scene));  // an empty table: nothing to point at
}

}  // namespace
}  // namespace orvex
