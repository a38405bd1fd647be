#pragma once
// A data file held whole in memory and read line by line the way the place
// readers want it: comment lines ("/") and empty lines skipped, except that a
// comment which is the last line of the file is returned as data.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "database/tables.h"

namespace orvex {

class FichierDonnees {
 public:
  // 0 when the whole file was read, else the system's error number (2: not found).
  int Ouvre(const std::filesystem::path& file);

  bool Eof() const { return position_ >= bytes_.size(); }
  // The next line without its end-of-line bytes; empty at the end of the file.
  std::string_view LitLigne();
  // Where the next line starts, to come back to it.
  std::size_t Position() const { return position_; }
  void Repositionne(std::size_t position) { position_ = position < bytes_.size() ? position : bytes_.size(); }
  std::size_t OctetsRestants() const { return bytes_.size() - position_; }

 private:
  std::string bytes_;
  std::size_t position_ = 0;
};

// One line: empty lines read as "/", and comment lines are skipped while the
// file has more. The view stays valid while the file lives.
std::string_view LitLigneDonnees(FichierDonnees& fichier);

// The text before the first ',' of `reste`, which then keeps what follows the
// comma; with no comma the field is empty and `reste` is left as it is.
std::string_view CoupeChamp(std::string_view& reste);

// The text before the first ',' of `reste` (all of it when there is none);
// `reste` keeps what follows the comma (nothing when there is none).
std::string_view ChampSuivant(std::string_view& reste);

// The frame every per-file compiler shares: open the file (on failure its
// result is returned and the table is unchanged), add the file's entry named
// `nomFichier`, let `lit` read the records into it, then trim the growth slack,
// which would double the memory of a large file.
template <typename T, typename Lecture>
int CompileFichier(const std::filesystem::path& file, std::string_view nomFichier, TTableFichiers<T>& table,
                   Lecture&& lit) {
  FichierDonnees fichier;
  if (const int status = fichier.Ouvre(file); status != 0) {
    return status;
  }
  auto& entry = table.Fichiers.emplace_back();
  entry.NomFichier = nomFichier;
  lit(fichier, entry.Elements);
  entry.Elements.shrink_to_fit();
  return 0;
}

}  // namespace orvex
