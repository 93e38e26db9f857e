#pragma once

// A plan laid in the window: a scan (PNG, JPEG, TIFF…), a page of a PDF
// rendered at a chosen resolution, or the lines of a DXF.
#include "geometry/boucle.h"

#include <QImage>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

namespace bilobe::ui {

struct SourcePlan {
  QImage image;                             // a scan or a PDF page
  double unites_par_pixel = 1;              // a PDF's units are its points, whatever it is drawn at
  std::vector<std::vector<PointMm>> traits; // a DXF's lines, y down like an image
  std::optional<double> mm_par_unite;       // when the file says it (a DXF's units, a PDF at 1:1, a scan's dpi)
  int pages = 1;                            // of a PDF
  QRectF cadre() const;                     // in plan units
};

inline constexpr int DPI_PDF = 150; // a PDF page's resolution unless chosen
inline constexpr qint64 PIXELS_MAX_PLAN = 400'000'000 / 4;

// Raises ErreurFichier with a French message naming the file: unreadable,
// not a plan, a PDF page out of range, a DXF without lines.
SourcePlan charger_plan(const QString& chemin, int page = 1, int dpi = DPI_PDF);

} // namespace bilobe::ui
