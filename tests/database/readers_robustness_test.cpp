// Whatever a data file holds, the readers return and keep to its bytes.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "database/channel_file.h"
#include "database/city_file.h"
#include "database/contour_file.h"
#include "database/level_curve_file.h"
#include "database/om_file.h"
#include "database/relay_file.h"
#include "database/structure_file.h"
#include "support/temp_dir.h"

namespace orvex {
namespace {

// `size` random bytes drawn from `alphabet`, or from every byte when it is empty.
std::string Aleatoire(std::size_t size, unsigned seed, std::string_view alphabet = {}) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.empty() ? 255 : alphabet.size() - 1);
  std::string bytes(size, '\0');
  for (char& c : bytes) {
    c = alphabet.empty() ? static_cast<char>(pick(random)) : alphabet[pick(random)];
  }
  return bytes;
}

TEST(Readers, SurviveHostileFiles) {
  constexpr std::size_t kEnorme = 8 << 20;
  const std::string contents[] = {
      Aleatoire(200000, 1), Aleatoire(200000, 2, "0123456789,.-\n\r/$x\xB0'\" "), Aleatoire(200000, 3, "9,\n"),
      std::string(kEnorme, '7'), std::string(kEnorme, ','),
      "3\n500\n" + std::string(kEnorme, '4') + "," + std::string(kEnorme, '5'),
      "2147483647\n2147483647\n45,6\n", "45.5,6.2,Nom,5000,0,30", "3\nNom\n45.5,", std::string("\0\0\0,\0\n\0", 7),
  };
  const std::vector<std::function<int(const std::filesystem::path&)>> readers = {
      [](const auto& f) { TTableContours t; return CompileContours(f, "F", t); },
      [](const auto& f) { TTableVilles t; return CompileVilles(f, "F", t); },
      [](const auto& f) { TTableStructures t; return CompileStructures(f, "F", t, [](const std::string&) {}); },
      [](const auto& f) { TTableNiveaux t; return CompileNiveaux(f, "F", t); },
      [](const auto& f) { TTableOM t; return CompileOM(f, "F", t); },
      [](const auto& f) { std::vector<TRelais> t; return CompileRelais(f, t); },
      [](const auto& f) {
        TTableCanaux t;
        const int status = LitCanaux(f, t);
        FrequenceDuCanal(t, "x");
        return status;
      },
  };
  testing::TempDir dir;
  for (std::size_t i = 0; i < std::size(contents); ++i) {
    const auto file = dir.Write("f" + std::to_string(i) + ".dat", contents[i]);
    for (std::size_t r = 0; r < readers.size(); ++r) {
      EXPECT_EQ(readers[r](file), 0) << "content " << i << " reader " << r;
    }
  }
}

}  // namespace
}  // namespace orvex
