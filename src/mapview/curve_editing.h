#pragma once
// Level-curve editing with the mouse: the state of the two modes (creating a
// curve click by click, editing the points of existing curves), the changes
// they make to the level-curve table, and the transient figures drawn over the
// map between redraws. Every figure is taken back exactly: xor figures are
// drawn again, and the selection markers put back the picture they covered.
#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

#include "database/tables.h"
#include "geo/projection.h"
#include "mapview/canvas.h"
#include "mapview/pointer_interaction.h"

namespace orvex {

inline constexpr const char* kNouveauFichierCourbes = "courbes.dat";
// Below this a curve is neither read from nor written to a file.
inline constexpr std::int32_t kAltitudeMinimumCourbe = 2;

struct CurveEditing {
  bool Creation = false;  // "Créer une courbe de niveau" is ticked
  bool Edition = false;   // "Editer une courbe de niveau" is ticked
  std::int32_t CreationFile = 0;
  std::int32_t CreationCurve = 0;
  std::int32_t CreationCount = 0;  // points of the curve being created; 0: none
  // The segments of the curve being created as they were drawn, to take the
  // last one back exactly.
  std::vector<RubberBand> CreationSegments;

  std::int32_t SelectedFile = 0;
  std::int32_t SelectedCurve = 0;
  std::int32_t SelectedPoint = 0;
  std::int32_t SelectedAltitude = 0;  // 0: nothing to drag (every redraw clears it)
  std::int32_t SelectedCount = 0;
  bool PointSelected = false;  // the last press found a point: the commands act on it
  std::int32_t LastClickedPoint = -1;  // -1: none
  std::int32_t PreviousClickedPoint = -1;
  std::int32_t EnteredAltitude = 0;

  bool ButtonDown = false;
  bool MarkersPending = false;  // the selection markers are on the picture
  bool PointMoved = false;
  QImage UnderMarkers;  // the picture before the markers were drawn
  QImage WithMarkers;   // and just after: a picture that differs was redrawn since
};

// The first curve point within 5 units of FixedDegree of (lat, lon) in both
// directions, files, curves and points in order. Sets the selection (all zero
// when none) and returns whether one was found.
bool FindCurvePoint(CurveEditing& e, const TTableNiveaux& niveaux, double lat, double lon);

// Removes a curve. A file left without curves keeps its entry, so that the
// save empties its file instead of leaving the deleted curves in it.
void DeleteCurve(TTableNiveaux& niveaux, std::int32_t file, std::int32_t curve);

// The curve the selection or the creation designates; null when the table no
// longer has it.
TCourbeNiveau* CourbeDe(TTableNiveaux& niveaux, std::int32_t file, std::int32_t curve);
TCourbeNiveau* CourbeSelectionnee(CurveEditing& e, TTableNiveaux& niveaux);

// The name of the file new curves go to: the first curve file, else "courbes.dat".
std::string FichierDesNouvellesCourbes(const TTableNiveaux& niveaux);

// Appends a point to the curve being created, starting a new curve in the
// first file (created when the table has none) when no curve is under way.
void AjoutePointCreation(CurveEditing& e, TTableNiveaux& niveaux, FixedDegree lt, FixedDegree lg);
// Takes the last point off the curve being created; a curve left with no
// point is removed.
void RetirePointCreation(CurveEditing& e, TTableNiveaux& niveaux);

// Remembers the selected point among the last two clicked on the curve;
// true when they are neighbours, between which a point can be inserted.
bool NoteClic(CurveEditing& e);
// Inserts the midpoint of the two clicked neighbours between them; the index
// of the new point, or -1 when they are not neighbours on the selected curve.
std::int32_t InserePoint(CurveEditing& e, TTableNiveaux& niveaux);
enum class SuppressionPoint { Supprime, AvantDernier, AucunPoint };
// Removes the last clicked point, unless the curve would be left with one.
SuppressionPoint SupprimePoint(CurveEditing& e, TTableNiveaux& niveaux);
// When the selected point is the first or the last of its curve, makes it the
// curve under creation (reversing the points when it was the first, so that
// new points follow it). False for a point inside a curve.
bool ProlongeCourbe(CurveEditing& e, TTableNiveaux& niveaux);

// Squares on the points of the selected curve, a cross on the selected point
// and its altitude, curve and point numbers; the picture they cover is kept.
void DrawSelectionMarkers(Canvas& canvas, const ProjectionState& p, const TCourbeNiveau& courbe, CurveEditing& e,
                          bool background);
// Puts back the picture the selection markers covered, unless the picture
// was redrawn since (it then holds no markers).
void EraseSelectionMarkers(Canvas& canvas, CurveEditing& e);
// The segments from the selected point to its neighbours, as drawn in xor
// while the point is dragged.
std::vector<RubberBand> DragSegments(const ProjectionState& p, const TCourbeNiveau& courbe, std::int32_t point,
                                     bool background);
// The cross and square that mark the place of a point.
void DrawPointMark(Canvas& canvas, const ProjectionState& p, FixedDegree lg, FixedDegree lt, std::int32_t altitude);
// A text beside a curve point, in the markers' colours.
void DrawPointText(Canvas& canvas, const ProjectionState& p, const TPointLtLg& point, std::int32_t altitude, int dx,
                   int dy, const std::string& text);

}  // namespace orvex
