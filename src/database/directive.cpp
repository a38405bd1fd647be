#include "database/directive.h"

#include <algorithm>
#include <system_error>

#include "database/city_file.h"
#include "database/contour_file.h"
#include "database/level_curve_file.h"
#include "database/om_file.h"
#include "database/relay_file.h"
#include "database/structure_file.h"
#include "geo/coordinate_text.h"
#include "platform/directory_listing.h"
#include "platform/paths.h"

namespace orvex {
namespace {

constexpr std::string_view kIncdir = "INCDIR";
constexpr std::string_view kInclude = "INCLUDE";
constexpr std::string_view kTous = "*";
constexpr std::string_view kSauvegarde = "SAUVE";

void Interprete(Interpretation& context, std::int32_t mode, std::string_view text, std::string& argument,
                bool depuisEntree);

std::int32_t Erreur(std::errc error) { return static_cast<std::int32_t>(std::make_error_code(error).value()); }

std::int32_t EntreRepertoire(Interpretation& context, std::string_view name) {
  if (name.empty()) {
    return Erreur(std::errc::no_such_file_or_directory);
  }
  return ChangeRepertoire(context, ResolvePath(context.currentDirectory, name));
}

// `nomReel` is the entry's name on disk when it comes from a listing.
std::filesystem::path CheminFichier(const Interpretation& context, std::string_view nom, std::string_view nomReel) {
  return nomReel.empty() ? ResolvePath(context.currentDirectory, nom) : context.currentDirectory / nomReel;
}

void CompileFichier(Interpretation& context, std::int32_t mode, std::string_view nom, std::string_view nomReel) {
  const std::filesystem::path file = CheminFichier(context, nom, nomReel);
  PlaceTables& tables = context.tables;
  switch (mode) {
    case kModeContours:
      context.IoStatus = CompileContours(file, nom, tables.TableContours);
      break;
    case kModeVilles:
      context.IoStatus = CompileVilles(file, nom, tables.TableVilles);
      break;
    case kModeRelais:
      context.IoStatus = CompileRelais(file, tables.TableRelais);
      break;
    case kModeStructures:
      context.IoStatus = CompileStructures(file, nom, tables.TableStructures, context.progress);
      break;
    case kModeOM:
      context.IoStatus = CompileOM(file, nom, tables.TableOM);
      break;
    case kModeNiveaux:
      context.IoStatus = CompileNiveaux(file, nom, tables.TableNiveaux);
      break;
    case kModeDalles:
      if (context.lireDalles) {
        context.IoStatus = context.lireDalles(file);
      }
      break;
    case kModeFIL:
      if (context.importeFil) {
        context.importeFil(file);  // a grid that cannot be read is not reported
      }
      break;
    default:
      break;
  }
}

std::string_view ExtensionEntree(std::string_view upper) {
  const std::size_t dot = upper.find('.');
  return dot == std::string_view::npos ? upper : upper.substr(dot + 1);
}

// Every entry of the current directory with extension `extension`. Entries
// named like a directive are run as one (directory mode), but not from inside
// such a directive: "{include *.dat}" as a file name would list itself forever.
void IncludeTous(Interpretation& context, std::int32_t mode, std::string_view extension, bool depuisEntree) {
  for (const DirectoryEntry& entry : ListeRepertoire(context.currentDirectory)) {
    const std::string upper = UpperText(entry.name);
    if (upper.starts_with('.')) {
      continue;
    }
    if (upper.starts_with('{')) {
      if (!depuisEntree) {
        std::string ignored;
        Interprete(context, kModeRepertoire, upper, ignored, true);
      }
      continue;
    }
    if (upper != kSauvegarde && ExtensionEntree(upper) == extension) {
      context.IoStatus = kIoOk;
      CompileFichier(context, mode, upper, entry.diskName);
    }
  }
}

void Interprete(Interpretation& context, std::int32_t mode, std::string_view text, std::string& argument,
                bool depuisEntree) {
  context.IoStatus = kIoOk;
  const std::string upper = UpperText(text);
  if (!upper.starts_with('{')) {
    CompileFichier(context, mode, upper, {});
    return;
  }
  const std::size_t close = upper.find('}');
  if (close == std::string::npos) {
    context.IoStatus = kIoDirectiveMalformee;
    return;
  }
  const std::string_view body = std::string_view(upper).substr(1, close - 1);
  if (body.starts_with(kIncdir)) {
    argument = ArgumentDirective(body);
    context.IoStatus = EntreRepertoire(context, argument);
  }
  if (body.starts_with(kInclude)) {
    argument = ArgumentDirective(body);
    const NomExtension pattern = SepareNomExtension(argument);
    if (pattern.nom == kTous) {
      IncludeTous(context, mode, pattern.extension, depuisEntree);
    } else {
      std::string nested;
      Interprete(context, mode, argument, nested, depuisEntree);
    }
  }
}

}  // namespace

std::int32_t ChangeRepertoire(Interpretation& context, const std::filesystem::path& target) {
  std::error_code ec;
  const auto status = std::filesystem::status(target, ec);
  if (!std::filesystem::exists(status)) {
    return Erreur(std::errc::no_such_file_or_directory);
  }
  if (!std::filesystem::is_directory(status)) {
    return Erreur(std::errc::not_a_directory);
  }
  const std::filesystem::directory_iterator probe(target, ec);  // an unreadable directory cannot be entered
  if (ec) {
    return static_cast<std::int32_t>(ec.value());
  }
  context.currentDirectory = target;
  return kIoOk;
}

void InterpreteDirective(Interpretation& context, std::int32_t mode, std::string_view text, std::string& argument) {
  Interprete(context, mode, text, argument, false);
}

std::string ArgumentDirective(std::string_view body) {
  const std::size_t blank = body.find(' ');
  if (blank == std::string_view::npos) {
    return {};
  }
  std::string_view argument = body.substr(blank + 1);
  argument.remove_prefix(std::min(argument.find_first_not_of(' '), argument.size()));
  return std::string(argument);
}

NomExtension SepareNomExtension(std::string_view name) {
  const std::size_t dot = name.find('.');
  if (dot == std::string_view::npos) {
    return {{}, std::string(name)};
  }
  return {std::string(name.substr(0, dot)), std::string(name.substr(dot + 1))};
}

}  // namespace orvex
