#pragma once

#include <span>
#include <string_view>
#include <utility>

namespace bilobe {

// The tooltips of the controls, by the name the windows and the page give
// them ("txt_xtot"…): one text wherever a control is shown.
std::span<const std::pair<std::string_view, std::string_view>> bulles();
// The tooltip of one control; empty when it has none.
std::string_view bulle(std::string_view nom);

} // namespace bilobe
