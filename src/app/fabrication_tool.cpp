#include "app/fabrication_tool.h"

#include <cmath>
#include <limits>

#include "database/directive.h"
#include "platform/dialogs.h"
#include "terrain/fabrication.h"

namespace orvex {
namespace {

std::optional<std::int32_t> Unites(double secondes) {
  const double unites = std::nearbyint(secondes / 3600 * kFixedOne);
  if (!(std::fabs(unites) <= std::numeric_limits<std::int32_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(unites);
}

}  // namespace

std::string FabriqueFichierDalles(const std::filesystem::path& region, double secondesLg, double secondesLt,
                                  const std::filesystem::path& sortie) {
  PlaceTables tables;
  StderrDialogs dialogs;
  Interpretation context{.tables = tables, .dialogs = dialogs, .currentDirectory = region};
  std::string argument;
  InterpreteDirective(context, kModeRepertoire, "{Incdir niveaux}", argument);
  if (context.IoStatus != kIoOk) {
    return "no level-curve directory (niveaux) in " + region.string();
  }
  InterpreteDirective(context, kModeNiveaux, DirectiveNiveaux, argument);
  const auto pasLg = Unites(secondesLg);
  const auto pasLt = Unites(secondesLt);
  PlanFabrication plan;
  std::string erreur =
      !pasLg || !pasLt ? "step out of range" : PlanifieFabrication(tables.TableNiveaux, *pasLg, *pasLt, plan);
  if (!erreur.empty()) {
    return erreur;
  }
  const TDalle dalle = FabriqueDalles(tables.TableNiveaux, plan, {});
  if (const int status = EcritDalles(sortie, dalle); status != 0) {
    return sortie.string() + ": " + std::generic_category().message(status);
  }
  return {};
}

}  // namespace orvex
