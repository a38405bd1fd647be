#include "platform/text_file.h"

#include <cerrno>
#include <fstream>
#include <iterator>

namespace orvex {

bool ReadLines(const std::filesystem::path& file, std::vector<std::string>& lines, int& status) {
  lines.clear();
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) {
    status = EISDIR;
    return false;
  }
  errno = 0;
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    status = errno != 0 ? errno : ENOENT;
    return false;
  }
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) {
      end = bytes.size();
    }
    std::size_t stop = end;
    if (stop > start && bytes[stop - 1] == '\r') {
      --stop;
    }
    lines.emplace_back(bytes, start, stop - start);
    start = end + 1;
  }
  status = 0;
  return true;
}

int FichierTexte::Open(const std::filesystem::path& file) {
  int status = 0;
  next_ = 0;
  ReadLines(file, lines_, status);
  return status;
}

std::string FichierTexte::ReadLine() { return Eof() ? std::string() : lines_[next_++]; }

void FichierTexte::Close() {
  lines_.clear();
  next_ = 0;
}

std::string LitLigneUtile(FichierTexte& file) {
  std::string line = "/";
  while (!file.Eof() && line[0] == '/') {
    line = file.ReadLine();
    if (line.empty()) {
      line.assign(1, '/');
    }
    ++file.NumeroLigne;
  }
  return line;
}

}  // namespace orvex
