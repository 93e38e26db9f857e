#pragma once

// The [plan] table of a fuselage file: the plan, how it lies, the lines
// traced on it and the reference section.
#include "serie/plan_trace.h"

#include <optional>
#include <string>
#include <string_view>

namespace bilobe {

// The [plan] table as text, to follow the rest of a fuselage file, and back.
std::string texte_plan(const PlanTrace& plan);
std::optional<PlanTrace> plan_du_texte(std::string_view texte);

} // namespace bilobe
