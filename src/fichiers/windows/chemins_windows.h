#pragma once

#include <string>

namespace bilobe::windows {

// A UTF-8 path as Windows takes it (UTF-16), "/" turned to "\"; a path that
// is not UTF-8 is a file error naming it.
std::wstring en_large(const std::string& chemin);

// The full path of `chemin` from the current folder, in UTF-8, as the
// commands show what they wrote; the path as it is when Windows cannot say.
std::string chemin_complet(const std::string& chemin);

// The reason Windows forbids the file name `nom` (the last name of a path),
// or nothing: a reserved device (CON, PRN, AUX, NUL, COM1…9, LPT1…9, with
// any extension), a trailing dot or space, one of <>:"|?* or a control
// character.
std::string nom_interdit(const std::string& nom);

// The French reason for a Windows error code (GetLastError).
std::string raison_windows(unsigned long code);

} // namespace bilobe::windows
