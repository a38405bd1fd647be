#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "terrain/dalles.h"

namespace orvex {
namespace {

using testing::ReadFile;
using testing::TempDir;

// Little-endian 16-bit words as raw bytes.
std::string Words(const std::vector<std::uint16_t>& words) {
  std::string bytes;
  for (const std::uint16_t w : words) {
    bytes.push_back(static_cast<char>(w & 0xFF));
    bytes.push_back(static_cast<char>(w >> 8));
  }
  return bytes;
}

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

TEST(DallesFile, WritesTheExactByteLayout) {
  TempDir dir;
  const auto file = dir.path() / "dalles.dat";
  ASSERT_EQ(EcritDalles(file, SmallGrid()), 0);

  std::vector<std::uint16_t> expected(110, 0);
  expected[0] = 3;
  expected[1] = 2;
  expected[2] = 0x1234;
  expected[3] = 0xFFFF;
  // -82043 = 0xFFFEBF85, -540673 = 0xFFF7BFFF: low half first.
  expected[4] = 0xBF85;
  expected[5] = 0xFFFE;
  expected[6] = 0xBFFF;
  expected[7] = 0xFFF7;
  expected[8] = 0xFFF6;  // -10
  expected[9] = 0x1170;  // 70000 - 65536
  const std::vector<std::uint16_t> rows = {0, 0xFFFF, 0xFFFF, 7, 1234, 0x1170};
  expected.insert(expected.end(), rows.begin(), rows.end());

  EXPECT_EQ(ReadFile(file), Words(expected));
}

TEST(DallesFile, RoundTripKeepsCornersAndLowSixteenBits) {
  TempDir dir;
  const auto file = dir.path() / "dalles.dat";
  ASSERT_EQ(EcritDalles(file, SmallGrid()), 0);

  TDalle back;
  ASSERT_EQ(LitDalles(file, back), 0);
  EXPECT_EQ(back.NbX, 3);
  EXPECT_EQ(back.NbY, 2);
  EXPECT_EQ(back.DLg, 0x1234);
  EXPECT_EQ(back.DLt, 0xFFFF);
  EXPECT_EQ(back.LgNO, -5 * 16384 - 123);
  EXPECT_EQ(back.LtNO, -33 * 16384 - 1);
  EXPECT_EQ(back.AltMin, 65526);
  EXPECT_EQ(back.AltMax, 4464);
  const std::vector<std::vector<std::int32_t>> alt = {{0, 65535, 65535}, {7, 1234, 4464}};
  EXPECT_EQ(back.Alt, alt);
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
  struct Case {
    const char* what;
    std::int32_t nbX;
    std::int32_t nbY;
    std::size_t rows;
    std::size_t columns;
  };
  const Case cases[] = {
      {"negative column count", -1, 2, 2, 3},
      {"negative row count", 3, -2, 2, 3},
      {"more rows announced than held", 3, 3, 2, 3},
      {"a row shorter than the column count", 4, 2, 2, 3},
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

TEST(DallesFile, WriterReportsAnUnwritablePlace) {
  TempDir dir;
  const auto blocker = dir.Write("Dalles", "a file where the directory should be");
  EXPECT_NE(EcritDalles(blocker / "dalles.dat", SmallGrid()), 0);
}

TEST(DallesFile, OpenFailureReturnsTheFileResultAndKeepsTheGrid) {
  TempDir dir;
  TDalle d = SmallGrid();
  EXPECT_EQ(LitDalles(dir.path() / "absent.dat", d), ENOENT);
  EXPECT_EQ(LitDalles(dir.path(), d), EISDIR);
  EXPECT_EQ(d.NbX, 3);
  EXPECT_EQ(d.Alt, SmallGrid().Alt);
}

TEST(DallesFile, ColumnAndRowLimits) {
  struct Case {
    std::uint16_t nbX;
    std::uint16_t nbY;
    bool accepted;
  };
  const Case cases[] = {
      {10000, 1, true}, {10001, 1, false}, {1, 10000, true}, {1, 10001, false}, {65535, 65535, false},
  };
  for (const Case& c : cases) {
    TempDir dir;
    // A refused header comes without rows: the reader must not need them.
    const std::size_t rowBytes = c.accepted ? 2 * static_cast<std::size_t>(c.nbX) * c.nbY : 0;
    const auto file = dir.Write("dalles.dat", Header(c.nbX, c.nbY) + std::string(rowBytes, '\x01'));
    TDalle d = SmallGrid();
    ASSERT_EQ(LitDalles(file, d), 0) << c.nbX << "x" << c.nbY;
    if (c.accepted) {
      EXPECT_EQ(d.NbX, c.nbX);
      EXPECT_EQ(d.NbY, c.nbY);
      ASSERT_EQ(d.Alt.size(), c.nbY);
      EXPECT_EQ(d.Alt.back().size(), c.nbX);
      EXPECT_EQ(d.Alt.back().back(), 0x0101);
    } else {
      EXPECT_EQ(d.NbX, 0) << c.nbX << "x" << c.nbY;
      EXPECT_EQ(d.NbY, 0);
      EXPECT_TRUE(d.Alt.empty());
    }
  }
}

TEST(DallesFile, ShortFilesKeepOnlyTheRowsTheyHold) {
  struct Case {
    const char* what;
    std::string bytes;
    std::int32_t nbX;
    std::int32_t nbY;
  };
  const std::string twoRows = Words({1, 2, 3, 4, 5, 6, 7, 8});
  const Case cases[] = {
      {"one and a half of three rows", Header(4, 3) + twoRows.substr(0, 12), 4, 1},
      {"two full rows of three", Header(4, 3) + twoRows, 4, 2},
      {"header announcing the largest grid, no rows", Header(10000, 10000), 0, 0},
      {"half a row only", Header(4, 3) + twoRows.substr(0, 4), 0, 0},
      {"header cut short", Header(4, 3).substr(0, 7), 0, 0},
      {"empty file", "", 0, 0},
      {"rows but no columns", Header(0, 3) + twoRows, 0, 0},
      {"longer than announced", Header(2, 1) + twoRows, 2, 1},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const auto file = dir.Write("dalles.dat", c.bytes);
    TDalle d = SmallGrid();
    ASSERT_EQ(LitDalles(file, d), 0) << c.what;
    EXPECT_EQ(d.NbX, c.nbX) << c.what;
    EXPECT_EQ(d.NbY, c.nbY) << c.what;
    ASSERT_EQ(d.Alt.size(), static_cast<std::size_t>(c.nbY)) << c.what;
    for (std::size_t r = 0; r < d.Alt.size(); ++r) {
      ASSERT_EQ(d.Alt[r].size(), static_cast<std::size_t>(c.nbX)) << c.what;
      EXPECT_EQ(d.Alt[r][0], static_cast<std::int32_t>(1 + r * c.nbX)) << c.what;
    }
  }
}

TEST(DallesFile, ReservedWordsAreIgnored) {
  TempDir dir;
  std::string bytes = Header(1, 1) + Words({42});
  for (std::size_t i = 20; i < 220; ++i) {
    bytes[i] = '\x7F';
  }
  const auto file = dir.Write("dalles.dat", bytes);
  TDalle d;
  ASSERT_EQ(LitDalles(file, d), 0);
  EXPECT_EQ(d.DLg, 100);
  EXPECT_EQ(d.DLt, 50);
  EXPECT_EQ(d.LgNO, 0);
  EXPECT_EQ(d.Alt, (std::vector<std::vector<std::int32_t>>{{42}}));
}

}  // namespace
}  // namespace orvex
