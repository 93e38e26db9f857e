#pragma once

#include "ui/frm_bi_lobe.h"

#include <QStringList>

#include <memory>

namespace bilobe::ui {

// What the program does before its event loop: Qt's own dialogs in French,
// the icon, the end with the last window; then the main window, shown.
// QApplication must exist. A fuselage file among the arguments
// ("couple-bilobe Planeur.toml", a double-click in a file manager) opens
// the series window with it, beside the main window.
std::unique_ptr<Frm_Bi_Lobe> demarrer(const QStringList& arguments = {});

} // namespace bilobe::ui
