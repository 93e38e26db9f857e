#pragma once

#include "common/liste_points.h"
#include "geometry/contour.h"
#include "geometry/parametres.h"

#include <cstdint>
#include <optional>
#include <string>

namespace bilobe {

// The outcome of a successful trace: the values it read, the outline in
// millimetres with its pieces, the same outline in coordinates relative to
// the former's height (the form the export and the preview read), the level
// line and the caption of the count.
struct ResultatTrace {
  explicit ResultatTrace(const ChampsCouple& champs) : valeurs(champs) {}

  ValeursCouple valeurs;
  ContourMm contour;
  ListePoints liste{1000};
  float niveau = 0;    // y of the level line, yinf / H
  std::string legende; // " 549 points)"

  std::int16_t nbpts() const { return liste.nbpts(); }
};

// Bt_Trace_Click without the widgets: reads the fields once, builds the outer
// and inner contours, converts to relative coordinates and prepares the
// preview. A failure (an ErreurExecution) leaves whatever the caller
// published before untouched.
ResultatTrace tracer(const ChampsCouple& champs);

// The main window's outline as published: replaced only by a trace that
// succeeded, so a failed trace leaves the last good outline everywhere.
class CouplePublie {
public:
  // Runs the trace; on failure rethrows and keeps the previous outline.
  const ResultatTrace& retracer(const ChampsCouple& champs);
  const ResultatTrace& courant() const { return *courant_; }

  // True when the last trace failed on exactly these inputs: tracing them
  // again could only raise the same error. A success forgets the failure.
  bool a_deja_echoue(const ChampsCouple& champs) const { return echec_ && *echec_ == champs; }

private:
  std::optional<ResultatTrace> courant_;
  std::optional<ChampsCouple> echec_;
};

// " 549 points)": the caption of lbl_nbpts.
std::string legende_nbpts(std::int16_t nbpts);

} // namespace bilobe
