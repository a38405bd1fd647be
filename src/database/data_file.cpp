#include "database/data_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

namespace orvex {
namespace {

// DOS editors ended text files with Ctrl-Z; nothing after it is data.
constexpr char kFinDeTexte = '\x1A';
constexpr std::size_t kBloc = 1 << 16;

struct FermeFichier {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

int ErreurSysteme() { return errno != 0 ? errno : EIO; }

}  // namespace

int FichierDonnees::Ouvre(const std::filesystem::path& file) {
  bytes_.clear();
  position_ = 0;
  errno = 0;
  const std::unique_ptr<std::FILE, FermeFichier> handle(std::fopen(file.c_str(), "rb"));
  if (!handle) {
    return ErreurSysteme();
  }
  std::error_code ec;
  const auto size = std::filesystem::file_size(file, ec);
  if (!ec) {
    // One byte more than the size, so that the first short read ends the loop.
    bytes_.reserve(static_cast<std::size_t>(size) + 1);
  }
  std::size_t used = 0;
  while (true) {
    bytes_.resize(std::max(bytes_.capacity(), used + kBloc));
    const std::size_t got = std::fread(bytes_.data() + used, 1, bytes_.size() - used, handle.get());
    used += got;
    if (got == 0 || used < bytes_.size()) {
      break;
    }
  }
  bytes_.resize(used);
  if (std::ferror(handle.get())) {
    const int error = ErreurSysteme();
    bytes_.clear();
    return error;
  }
  const std::size_t end = bytes_.find(kFinDeTexte);
  if (end != std::string::npos) {
    bytes_.resize(end);
  }
  return 0;
}

std::string_view FichierDonnees::LitLigne() {
  if (Eof()) {
    return {};
  }
  const char* start = bytes_.data() + position_;
  const std::size_t left = bytes_.size() - position_;
  const void* newline = std::memchr(start, '\n', left);
  std::size_t length = newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - start) : left;
  position_ += newline ? length + 1 : length;
  if (length > 0 && start[length - 1] == '\r') {
    --length;
  }
  return {start, length};
}

std::string_view LitLigneDonnees(FichierDonnees& fichier) {
  static constexpr std::string_view kLigneVide = "/";
  std::string_view line;
  do {
    line = fichier.LitLigne();
    if (line.empty()) {
      line = kLigneVide;
    }
  } while (!fichier.Eof() && line.front() == '/');
  return line;
}

std::string_view CoupeChamp(std::string_view& reste) {
  const std::size_t comma = reste.find(',');
  if (comma == std::string_view::npos) {
    return {};
  }
  const std::string_view field = reste.substr(0, comma);
  reste.remove_prefix(comma + 1);
  return field;
}

std::string_view ChampSuivant(std::string_view& reste) {
  const std::size_t comma = reste.find(',');
  const std::string_view field = reste.substr(0, comma);
  reste.remove_prefix(comma == std::string_view::npos ? reste.size() : comma + 1);
  return field;
}

}  // namespace orvex
