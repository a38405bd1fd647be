#include "terrain/view/survol_relief.h"

#include "terrain/view/dessine_courbes.h"
#include "terrain/view/dessine_relief.h"

namespace orvex {
namespace {

constexpr double kPas = 0.03;  // radians per frame
constexpr std::int32_t kZoomParImage = 10;
constexpr double kDeuxPi = 6.283185307179586;

}  // namespace

ImagesParPhase PhasesSurvol(ProjectionState& p, const std::function<void()>& image,
                            const std::function<bool()>& annule) {
  struct Phase {
    void (*pas)(ProjectionState&, double);
    double increment;
    bool (*finie)(const ProjectionState&);
    std::int32_t zoom;
  };
  const std::array<Phase, kPhasesSurvol> phases = {{
      {StepAlpha, kPas, [](const ProjectionState& s) { return s.Alpha.Radians > 0.7; }, 0},
      {StepGamma, kPas, [](const ProjectionState& s) { return s.Gamma.Radians > 1.0; }, 0},
      {StepAlpha, kPas, [](const ProjectionState& s) { return s.Alpha.Radians > 0.9; }, 0},
      {StepGamma, kPas, [](const ProjectionState& s) { return s.Gamma.Radians > kDeuxPi; }, 0},
      {StepGamma, -kPas, [](const ProjectionState& s) { return s.Gamma.Radians < 0; }, kZoomParImage},
  }};
  ImagesParPhase images{};
  bool annulee = false;
  for (std::size_t i = 0; i < phases.size(); ++i) {
    const Phase& phase = phases[i];
    do {
      phase.pas(p, phase.increment);
      image();
      p.Zoom += phase.zoom;
      ++images[i];
      annulee = annulee || annule();
    } while (!phase.finie(p) && !annulee);
  }
  return images;
}

void ImageSurvol(SceneRelief& scene, ProjectionState& p) {
  ComputeViewport(p);
  Canvas& canvas = scene.canvas;
  canvas.SetPenMode(PenMode::Copy);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(kNoir);
  canvas.FillRect(0, 0, p.ImageWidth, p.ImageHeight);
  DessineRelief(scene);
}

ImagesParPhase Survole(SceneRelief& scene, ProjectionState& p, const std::function<void()>& apresImage,
                       const std::function<bool()>& annule) {
  PrepareCourbes(scene.canvas, p, scene.niveaux, scene.display);
  if (p.BackgroundActive) {
    return {};
  }
  ResetAngles(p);
  return PhasesSurvol(
      p,
      [&] {
        ImageSurvol(scene, p);
        apresImage();
      },
      annule);
}

}  // namespace orvex
