#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace bilobe::cli {

// The whole bilobe-serie command: reads the fuselage file, traces and nests
// every former, then writes the files. Returns the exit code (0, 1 or 2).
int executer_serie(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs);

} // namespace bilobe::cli
