#pragma once
// The sample text of a large grid read on two threads. The text is cut at
// separators into parts of about a megabyte; the caller reads the even ones
// straight into the rows the import asks for, while a second thread reads
// each odd one ahead into a buffer the rows then take it from. Two buffers
// take turns, so memory stays small and warm in the cache. Values, messages
// and their positions are exactly those of one LecteurTexte over the whole
// text: where the second thread stops short (a value that does not read,
// memory refused), the caller reads on from there by itself.
#include <array>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "terrain/grid_samples.h"

namespace orvex {

class LecteurParallele {
 public:
  LecteurParallele(std::string_view texte, std::int32_t colonnes, std::int64_t total, LecteurTexte::Options options,
                   std::size_t octetsParPartie);
  LecteurParallele(const LecteurParallele&) = delete;
  LecteurParallele& operator=(const LecteurParallele&) = delete;

  bool LitLigne(std::span<std::int32_t> valeurs, std::string& erreur);

 private:
  // An odd part, read ahead.
  struct Avance {
    std::vector<std::int32_t> valeurs;  // only grows: filling it never clears it first
    std::size_t nombre = 0;
    const char* arret = nullptr;  // where reading stopped short, if it did
    bool pret = false;
  };

  void LitEnAvance(const std::stop_token& stop);
  bool PartieSuivante();
  Avance& TamponDe(std::size_t partie) { return tampons_[(partie / 2) % 2]; }

  std::string_view texte_;
  std::int32_t colonnes_;
  std::int64_t total_;
  LecteurTexte::Options options_;
  std::vector<std::string_view> parties_;
  std::size_t partie_ = 0;
  std::optional<LecteurTexte> lecteur_;  // an even part, or the rest of the text
  bool resteDuTexte_ = false;
  Avance* avance_ = nullptr;  // the odd part rows are being taken from
  std::size_t pris_ = 0;
  std::int64_t livrees_ = 0;

  std::mutex verrou_;
  std::condition_variable_any signal_;
  std::array<Avance, 2> tampons_;
  std::jthread second_;  // last: stopped and joined before the rest goes
};

// The row reader for sample text: on two threads when the text is large
// enough for it to pay and the machine has a second core, else on the
// caller's alone.
LecteurLigne LecteurDeTexte(std::string_view texte, std::int32_t colonnes, std::int64_t total,
                            LecteurTexte::Options options);

}  // namespace orvex
