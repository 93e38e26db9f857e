#pragma once

class QWidget;

namespace bilobe::ui {

// Each field, box and button of the window gets its tooltip in plain French,
// found by its objectName.
void poser_bulles(QWidget* fenetre);

} // namespace bilobe::ui
