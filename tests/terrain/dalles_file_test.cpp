// dalles.dat: the exact byte layout written, the round trip of negative
// corners and of altitudes outside 0..65535, the size limits and short files.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

#include "support/temp_dir.h"
#include "terrain/dalles.h"

namespace orvex {
namespace {

using testing::ReadFile;
using testing::TempDir;
using Rows = std::vector<std::vector<std::int32_t>>;

// Little-endian 16-bit words as raw bytes.
std::string Words(const std::vector<std::uint16_t>& words) {
  std::string bytes;
  for (const std::uint16_t w : words) {
    bytes += {static_cast<char>(w & 0xFF), static_cast<char>(w >> 8)};
  }
  return bytes;
}

// The words 1, 2, ... n.
std::string Counting(std::uint16_t n) {
  std::vector<std::uint16_t> words(n);
  std::iota(words.begin(), words.end(), 1);
  return Words(words);
}

// The 220-byte header: sizes, steps 100 and 50, the rest zero.
std::string Header(std::uint16_t nbX, std::uint16_t nbY) {
  std::vector<std::uint16_t> words(110, 0);
  words[0] = nbX;
  words[1] = nbY;
  words[2] = 100;
  words[3] = 50;
  return Words(words);
}

TDalle SmallGrid() {
  TDalle d;
  d.NbX = 3;
  d.NbY = 2;
  d.DLg = 0x1234;
  d.DLt = 0xFFFF;
  d.LgNO = -5 * 16384 - 123;  // west of Greenwich
  d.LtNO = -33 * 16384 - 1;   // south of the equator
  d.AltMin = -10;
  d.AltMax = 70000;
  d.Alt = {{0, 65535, -1}, {65536 + 7, 1234, 70000}};
  return d;
}

TEST(DallesFile, WritesTheExactByteLayoutAndReadsItBack) {
  TempDir dir;
  const auto file = dir.path() / "dalles.dat";
  ASSERT_EQ(EcritDalles(file, SmallGrid()), 0);
  // -82043 = 0xFFFEBF85, -540673 = 0xFFF7BFFF: low half first; -10 and
  // 70000 keep their low 16 bits.
  std::vector<std::uint16_t> expected = {3, 2, 0x1234, 0xFFFF, 0xBF85, 0xFFFE, 0xBFFF, 0xFFF7, 0xFFF6, 0x1170};
  expected.resize(110);
  expected.insert(expected.end(), {0, 0xFFFF, 0xFFFF, 7, 1234, 0x1170});
  EXPECT_EQ(ReadFile(file), Words(expected));

  TDalle back;
  ASSERT_EQ(LitDalles(file, back), 0);
  EXPECT_EQ(std::tuple(back.NbX, back.NbY, back.DLg, back.DLt), std::tuple(3, 2, 0x1234, 0xFFFF));
  EXPECT_EQ(std::tuple(back.LgNO, back.LtNO), std::tuple(-5 * 16384 - 123, -33 * 16384 - 1));
  EXPECT_EQ(std::tuple(back.AltMin, back.AltMax), std::tuple(65526, 4464));
  EXPECT_EQ(back.Alt, (Rows{{0, 65535, 65535}, {7, 1234, 4464}}));
}

TEST(DallesFile, WriterCreatesTheDirectoryAndOverwrites) {
  TempDir dir;
  const auto file = dir.path() / "region" / "Dalles" / "dalles.dat";
  TDalle big = SmallGrid();
  big.NbX = 40;
  big.NbY = 40;
  big.Alt.assign(40, std::vector<std::int32_t>(40, 9));
  ASSERT_EQ(EcritDalles(file, big), 0);
  ASSERT_EQ(EcritDalles(file, SmallGrid()), 0);
  EXPECT_EQ(ReadFile(file).size(), 220u + 2 * 3 * 2);
}

TEST(DallesFile, WriterRefusesRecordsItCannotStoreFaithfully) {
  struct Case { const char* what; std::int32_t nbX; std::int32_t nbY; std::size_t rows; std::size_t columns; };
  const Case cases[] = {
      {"negative column count", -1, 2, 2, 3},           {"negative row count", 3, -2, 2, 3},
      {"more rows announced than held", 3, 3, 2, 3},    {"a row shorter than the column count", 4, 2, 2, 3},
      {"more columns than the reader accepts", 10001, 1, 1, 10001},
      {"more rows than the reader accepts", 1, 10001, 10001, 1},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const auto file = dir.path() / "Dalles" / "dalles.dat";
    TDalle d = SmallGrid();
    d.NbX = c.nbX;
    d.NbY = c.nbY;
    d.Alt.assign(c.rows, std::vector<std::int32_t>(c.columns, 1));
    EXPECT_EQ(EcritDalles(file, d), EINVAL) << c.what;
    EXPECT_FALSE(std::filesystem::exists(file)) << c.what;
  }
}

TEST(DallesFile, FailuresReturnTheFileResultAndKeepTheGrid) {
  TempDir dir;
  const auto blocker = dir.Write("Dalles", "a file where the directory should be");
  EXPECT_NE(EcritDalles(blocker / "dalles.dat", SmallGrid()), 0);
  TDalle d = SmallGrid();
  EXPECT_EQ(LitDalles(dir.path() / "absent.dat", d), ENOENT);
  EXPECT_EQ(LitDalles(dir.path(), d), EISDIR);
  EXPECT_EQ(d.NbX, 3);
  EXPECT_EQ(d.Alt, SmallGrid().Alt);
}

// Up to 10000 columns and rows are read; a larger header empties the grid
// and needs no rows. A short file keeps the whole rows it holds.
TEST(DallesFile, SizeLimitsAndShortFiles) {
  struct Case { const char* what; std::string bytes; std::int32_t nbX; std::int32_t nbY; };
  const std::string twoRows = Counting(8);
  const Case cases[] = {
      {"10000 columns", Header(10000, 1) + Counting(10000), 10000, 1},  {"10001 columns", Header(10001, 1), 0, 0},
      {"10000 rows", Header(1, 10000) + Counting(10000), 1, 10000},     {"10001 rows", Header(1, 10001), 0, 0},
      {"65535 of each", Header(65535, 65535), 0, 0},                    {"empty file", "", 0, 0},
      {"header announcing the largest grid, no rows", Header(10000, 10000), 0, 0},
      {"one and a half of three rows", Header(4, 3) + twoRows.substr(0, 12), 4, 1},
      {"two full rows of three", Header(4, 3) + twoRows, 4, 2},
      {"half a row only", Header(4, 3) + twoRows.substr(0, 4), 0, 0},
      {"header cut short", Header(4, 3).substr(0, 7), 0, 0},
      {"rows but no columns", Header(0, 3) + twoRows, 0, 0},
      {"longer than announced", Header(2, 1) + twoRows, 2, 1},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const auto file = dir.Write("dalles.dat", c.bytes);
    TDalle d = SmallGrid();
    ASSERT_EQ(LitDalles(file, d), 0) << c.what;
    EXPECT_EQ(std::tuple(d.NbX, d.NbY), std::tuple(c.nbX, c.nbY)) << c.what;
    ASSERT_EQ(d.Alt.size(), static_cast<std::size_t>(c.nbY)) << c.what;
    for (std::size_t r = 0; r < d.Alt.size(); ++r) {
      ASSERT_EQ(d.Alt[r].size(), static_cast<std::size_t>(c.nbX)) << c.what;
      EXPECT_EQ(d.Alt[r].front(), static_cast<std::int32_t>(1 + r * c.nbX)) << c.what;
      EXPECT_EQ(d.Alt[r].back(), static_cast<std::int32_t>((r + 1) * c.nbX)) << c.what;
    }
  }
}

TEST(DallesFile, ReservedWordsAreIgnored) {
  TempDir dir;
  std::string bytes = Header(1, 1) + Words({42});
  std::fill(bytes.begin() + 20, bytes.begin() + 220, '\x7F');
  TDalle d;
  ASSERT_EQ(LitDalles(dir.Write("dalles.dat", bytes), d), 0);
  EXPECT_EQ(std::tuple(d.DLg, d.DLt, d.LgNO), std::tuple(100, 50, 0));
  EXPECT_EQ(d.Alt, Rows{{42}});
}

}  // namespace
}  // namespace orvex
