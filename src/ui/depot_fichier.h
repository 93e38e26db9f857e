#pragma once

#include <QString>

class QMimeData;

namespace bilobe::ui {

// The fuselage file dropped on a window: one local file ending in .toml;
// empty for anything else (several files, a folder, a web address, text).
QString fuselage_depose(const QMimeData* donnees);

} // namespace bilobe::ui
