// The two-thread sample reader against one reader over the whole text: the
// same rows, or the same message after the same rows. Parts are made tiny so
// that values, errors and the end of the text fall in parts read by either
// thread, and in parts a value overruns.
#include "terrain/lecteur_parallele.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace orvex {
namespace {

struct Lecture {
  std::vector<std::vector<std::int32_t>> rows;
  std::string erreur;
  bool operator==(const Lecture&) const = default;
};

template <typename Lecteur>
Lecture LitTout(Lecteur& lecteur, std::int32_t colonnes, std::int32_t lignes) {
  Lecture lecture;
  for (std::int32_t r = 0; r < lignes; ++r) {
    std::vector<std::int32_t> row(static_cast<std::size_t>(colonnes));
    if (!lecteur.LitLigne(row, lecture.erreur)) {
      break;
    }
    lecture.rows.push_back(row);
  }
  return lecture;
}

// `count` values cycling through the separators, value i being `make(i)`.
template <typename Make>
std::string Values(int count, Make make) {
  static const char* const kSeparators[] = {" ", "\r\n", "\t", "  ", "\n\n"};
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += make(i);
    text += kSeparators[i % 5];
  }
  return text;
}

std::string Plain(int i) { return std::to_string(i * 37 % 1000 - 100); }

TEST(LecteurParallele, ReadsExactlyWhatOneReaderReads) {
  struct Case {
    const char* what;
    std::string text;
    std::int32_t colonnes;
    std::int32_t lignes;
    LecteurTexte::Options options;
  };
  const auto at = [](int where, const char* what) {
    return [where, what](int i) { return i == where ? std::string(what) : Plain(i); };
  };
  const Case cases[] = {
      {"plain values", Values(56, Plain), 7, 8, {}},
      {"NODATA and plus signs", Values(56, [](int i) { return i % 4 ? "+" + Plain(i) : "-9999"; }), 8, 7,
       {.nodata = -9999}},
      {"decimals and NaN voids", Values(40, [](int i) { return i % 3 ? Plain(i) + ".5" : "nan"; }), 5, 8,
       {.nodata = std::nan(""), .decimales = true}},
      {"an unreadable value early", Values(56, at(2, "x7")), 7, 8, {}},
      {"an unreadable value late", Values(56, at(50, "1.5")), 7, 8, {}},
      {"a value longer than any part", Values(56, at(30, "0000000000000042")), 7, 8, {}},
      {"a value beyond 32 bits", Values(56, at(41, "+2147483648")), 7, 8, {}},
      {"fewer values than announced", Values(50, Plain), 7, 8, {}},
      {"unreadable text past the grid", Values(56, Plain) + "junk", 7, 8, {}},
      {"no values at all", "", 3, 2, {}},
  };
  for (const Case& c : cases) {
    const std::int64_t total = std::int64_t{c.colonnes} * c.lignes;
    LecteurTexte seul(c.text, c.colonnes, total, c.options);
    const Lecture expected = LitTout(seul, c.colonnes, c.lignes);
    for (const std::size_t part : {1, 2, 3, 5, 8, 13, 64, 1 << 20}) {
      LecteurParallele deux(c.text, c.colonnes, total, c.options, part);
      EXPECT_EQ(LitTout(deux, c.colonnes, c.lignes), expected) << c.what << ", parts of " << part << " bytes";
      // Left after one row: the second thread is stopped while it waits or reads.
      LecteurParallele abandonne(c.text, c.colonnes, total, c.options, part);
      std::vector<std::int32_t> row(static_cast<std::size_t>(c.colonnes));
      std::string erreur;
      abandonne.LitLigne(row, erreur);
    }
  }
}

}  // namespace
}  // namespace orvex
