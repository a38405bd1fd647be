#pragma once
// The shared line-oriented text file: whole-file read, lines without their
// end-of-line bytes ("\r\n" or "\n"), and the comment-skipping line reader.
#include <filesystem>
#include <string>
#include <vector>

namespace orvex {

class FichierTexte {
 public:
  // 0 on success, else the system's error number (2 = not found).
  int Open(const std::filesystem::path& file);
  bool Eof() const { return next_ >= lines_.size(); }
  // The next physical line; empty at end of file.
  std::string ReadLine();
  void Close();

  int NumeroLigne = 0;

 private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
};

// Reads physical lines until one does not begin with "/" (an empty line counts
// as "/"), counting each in NumeroLigne. At end of file the last line read is
// returned as it is, even a comment.
std::string LitLigneUtile(FichierTexte& file);

// Every line of a file split at "\n" (a trailing "\r" removed). False when the
// file cannot be read; `status` gets the system's error number.
bool ReadLines(const std::filesystem::path& file, std::vector<std::string>& lines, int& status);

}  // namespace orvex
