#pragma once
// Correspondence files (.cor): the longitude and latitude of the north-west
// and south-east corners of a scanned map picture. Hand-written files are
// common, so the reader skips comment and empty lines anywhere and takes
// decimal degrees (comma or point) or degrees, minutes and seconds.
#include <filesystem>
#include <string>

namespace orvex {

struct Correspondance {
  double LgNW = 0;
  double LtNW = 0;
  double LgSE = 0;
  double LtSE = 0;
  friend bool operator==(const Correspondance&, const Correspondance&) = default;
};

// The correspondence file of a picture: the extension after the last "." of
// the file name replaced by ".cor" (".cor" appended when there is none). A dot
// in a directory name is part of the directory.
std::filesystem::path CheminCorrespondance(const std::filesystem::path& picture);

// The correspondence file of a picture as it exists on disk, its name
// matched without regard to case (carte1.COR); the path of
// CheminCorrespondance when there is none.
std::filesystem::path TrouveCorrespondance(const std::filesystem::path& picture);

// Reads a correspondence file: the first significant line (the file's own
// path) is skipped, then LgNW, LtNW, LgSE, LtSE; a file with only four
// significant lines gives the four values (the path line, absolute, began
// with "/"). A value that does not convert, or is missing, reads as 0.
// 0 on success, else the system's error number (2 = not found).
int LitCorrespondance(const std::filesystem::path& file, Correspondance& corners);

// The file as the program writes it: its own path, then each value under its
// "/" caption, in fixed notation with 5 decimals and `decimalSeparator`,
// lines ending CR LF.
std::string TexteCorrespondance(const std::string& ownPath, const Correspondance& corners, char decimalSeparator);

// Writes the file through the atomic writer: 0, or the system's error number
// (the old file then stays whole).
int EcritCorrespondance(const std::filesystem::path& file, const Correspondance& corners, char decimalSeparator);

// Which corner value a check refuses; None when all four are sound.
enum class CoinRefuse { None, LgNW, LtNW, LgSE, LtSE };

// Each value must be non-zero and within the globe, and the south-east corner
// must lie east and south of the north-west one (the scales divide by the
// differences). The first fault in the order LgNW, LtNW, LgSE, LtSE.
CoinRefuse VerifieCoins(const Correspondance& corners);
// The message of a refused value, as the properties dialog shows it.
std::string TexteCoinRefuse(CoinRefuse corner);

}  // namespace orvex
