#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace bilobe::cli {

// The whole bilobe-dat command: the trace, the hand-off and the writer, the
// same code as the window's save. Returns the exit code (0, 1 or 2).
int executer(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs);

} // namespace bilobe::cli
