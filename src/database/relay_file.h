#pragma once
// Relay (repeater) files, six texts per line: call sign, locator, name and
// three frequencies or channel names.
#include <filesystem>
#include <vector>

#include "database/tables.h"

namespace orvex {

// Appends the file's lines to `table`, which never grows beyond kMaxRelais
// entries over all files. 0 when read, else the system's error number and the
// table unchanged.
int CompileRelais(const std::filesystem::path& file, std::vector<TRelais>& table);

}  // namespace orvex
