#pragma once
// The fly-over: the relief alone, turned frame by frame in five phases
// (tilt, a quarter turn, more tilt, a whole turn, then back while zooming
// in). Only the viewport and the terrain layer are drawn per frame.
#include <array>
#include <functional>

#include "terrain/view/scene_relief.h"

namespace orvex {

inline constexpr int kPhasesSurvol = 5;
using ImagesParPhase = std::array<int, kPhasesSurvol>;

// The angles alone: `image` draws a frame after each change and `annule` is
// asked after it; once it says yes every remaining phase runs one frame.
// Returns how many frames each phase ran.
ImagesParPhase PhasesSurvol(ProjectionState& p, const std::function<void()>& image,
                            const std::function<bool()>& annule);

// One frame: viewport, black picture, terrain layer. `scene` must read `p`.
void ImageSurvol(SceneRelief& scene, ProjectionState& p);

// The whole fly-over from zero angles; nothing with a background image
// (all phases then report 0 frames). `apresImage` shows the frame and lets
// pending events run.
ImagesParPhase Survole(SceneRelief& scene, ProjectionState& p, const std::function<void()>& apresImage,
                       const std::function<bool()>& annule);

}  // namespace orvex
