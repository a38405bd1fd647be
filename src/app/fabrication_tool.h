#pragma once
// Tile fabrication without a window: the level curves of a region directory,
// read as start-up reads them, made into a tile file at any path.
#include <filesystem>
#include <string>

namespace orvex {

// Steps in seconds of arc. Returns an empty text on success, else why not.
std::string FabriqueFichierDalles(const std::filesystem::path& region, double secondesLg, double secondesLt,
                                  const std::filesystem::path& sortie);

}  // namespace orvex
