#pragma once

#include "common/liste_points.h"
#include "geometry/apercu.h"
#include "geometry/parametres.h"

#include <cstdint>
#include <optional>
#include <string>

namespace bilobe {

// The outcome of a successful trace: the outline in coordinates relative to
// the former's height (the form the export reads), its count, the caption of
// the count and the preview to draw.
struct ResultatTrace {
  ListePoints liste{1000};
  std::int16_t nbpts = 0;
  std::string legende; // " 549 points)"
  Apercu apercu;
};

// The outline in millimetres as the contours build it, before the conversion.
// `nb_exterieur` counts the entries of the outer contour, wall step included;
// the inner contour follows from the next entry on.
struct ContourMm {
  ListePoints liste{1000};
  std::int16_t nbpts = 0;
  std::int16_t nb_exterieur = 0;
};
ContourMm construire_contour(const ChampsCouple& champs);

// Bt_Trace_Click without the widgets: reads the fields, builds the outer and
// inner contours, converts to relative coordinates and prepares the preview.
// The outline is built in a fresh list, so a failure (an ErreurExecution)
// leaves whatever the caller published before untouched.
ResultatTrace tracer(const ChampsCouple& champs);

// The main window's outline as published: replaced only by a trace that
// succeeded, so a failed trace leaves the last good outline everywhere.
class CouplePublie {
public:
  // Runs the trace; on failure rethrows and keeps the previous outline.
  const ResultatTrace& retracer(const ChampsCouple& champs);
  bool existe() const { return courant_.has_value(); }
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
