#pragma once

#include "ui/frm_bi_lobe.h"

#include <memory>

namespace bilobe::ui {

// What the program does before its event loop: Qt's own dialogs in French,
// the icon, the end with the last window; then the main window, shown.
// QApplication must exist.
std::unique_ptr<Frm_Bi_Lobe> demarrer();

} // namespace bilobe::ui
