#pragma once

#include <QString>

class QDragEnterEvent;
class QDropEvent;
class QMimeData;

namespace bilobe::ui {

// The fuselage file dropped on a window: one local file ending in .toml;
// empty for anything else (several files, a folder, a web address, text).
QString fuselage_depose(const QMimeData* donnees);

// The windows' drag and drop: a drag is taken when it brings a fuselage
// file; a drop gives that file, taken, or nothing.
void accepter_si_fuselage(QDragEnterEvent* evenement);
QString prendre_fuselage(QDropEvent* evenement);

} // namespace bilobe::ui
