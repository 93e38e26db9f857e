#pragma once

#include <string>
#include <vector>

namespace bilobe::cli {

// The command's arguments in UTF-8, and its standard streams made ready to
// carry the same bytes on every system. On Windows the arguments come from
// the wide command line (the narrow one is in the ANSI code page and loses
// every letter outside it), the streams are switched to binary (no CR added
// before each LF) and a console shows UTF-8. Elsewhere, argv as it is.
std::vector<std::string> arguments_systeme(int argc, char** argv);

} // namespace bilobe::cli
