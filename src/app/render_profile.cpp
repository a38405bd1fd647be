#include "app/render_profile.h"

#include <QBuffer>
#include <QImageWriter>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>

#include "platform/atomic_file.h"
#include "platform/dialogs.h"
#include "terrain/section_profil.h"
#include "terrain/view/dessin_profil.h"

namespace orvex {
namespace {

void AppendFixed(std::string& text, double value, int decimals) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  text.append(buffer, result.ptr);
}

}  // namespace

void RenderHorizon(ProgramState& state, Canvas& canvas) {
  const ProjectionState& p = state.projection;
  const IndexNiveaux index(state.tables.TableNiveaux, p.ViewBounds);
  DessineHorizon(
      canvas, p,
      [&index](double lgA, double ltA, double lgB, double ltB, TPointsProfil& points) {
        index.CalculeProfil(lgA, ltA, lgB, ltB, points);
      },
      nullptr);
}

ProfileRender RenderProfile(ProgramState& state, Canvas& canvas, const ProfileRequest& request) {
  const ProjectionState& p = state.projection;
  ProfileRender render;
  CalculeProfil(state.tables.TableNiveaux, p.ViewBounds, request.lon1, request.lat1, request.lon2, request.lat2,
                render.tries);
  TraceCroixProfil(canvas, p, render.tries);
  TriProfil(render.tries, request.lon1, request.lat1, request.lon2, request.lat2);
  render.csv = ProfileCsv(render.tries);
  if (render.tries.size() < 2) {
    return render;
  }
  Canvas section(kLargeurSection, kHauteurSection);
  DessineSection(section, render.tries, CalculeSection(render.tries, kLargeurSection, kHauteurSection));
  render.section = section.Image();
  MarqueExtremites(canvas, p, render.tries);
  return render;
}

std::string ProfileCsv(const TPointsProfil& tries) {
  const SectionProfil section = CalculeSection(tries, kLargeurSection, kHauteurSection);
  std::string csv;
  for (std::size_t k = 0; k < tries.size(); ++k) {
    AppendFixed(csv, FromFixed(tries[k].Lg), 6);
    csv += ',';
    AppendFixed(csv, FromFixed(tries[k].Lt), 6);
    csv += ',' + std::to_string(tries[k].Altitude) + ',';
    AppendFixed(csv, section.DistancesKm[k], 3);
    csv += '\n';
  }
  return csv;
}

int WriteProfile(const ProfileRender& render, const std::string& output) {
  std::fputs(render.csv.c_str(), stdout);
  std::fflush(stdout);
  if (!render.section) {
    EchoLine("orvex-render: the vector crosses " + std::to_string(render.tries.size()) +
             " level curve(s) on the map: no profile, " + output + " not written");
    return 1;
  }
  if (const int error = WritePngAtomically(output, *render.section); error != 0) {
    EchoLine("orvex-render: " + output + ": " + std::strerror(error));
    return 1;
  }
  return 0;
}

int WritePngAtomically(const std::filesystem::path& file, const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(image)) {
    return EIO;
  }
  return WriteFileAtomically(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace orvex
