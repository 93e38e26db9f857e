#include "cli/arguments_systeme.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#endif

namespace bilobe::cli {

#ifdef _WIN32

namespace {

std::string en_utf8(const wchar_t* texte) {
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, texte, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return {};
  std::string r(static_cast<std::size_t>(n - 1), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, texte, -1, r.data(), n, nullptr, nullptr);
  return r;
}

} // namespace

std::vector<std::string> arguments_systeme(int, char**) {
  ::_setmode(::_fileno(stdout), _O_BINARY);
  ::_setmode(::_fileno(stderr), _O_BINARY);
  ::SetConsoleOutputCP(CP_UTF8);
  int n = 0;
  wchar_t** mots = ::CommandLineToArgvW(::GetCommandLineW(), &n);
  std::vector<std::string> arguments;
  for (int k = 1; mots && k < n; ++k) arguments.push_back(en_utf8(mots[k]));
  ::LocalFree(mots);
  return arguments;
}

#else

std::vector<std::string> arguments_systeme(int argc, char** argv) { return {argv + 1, argv + argc}; }

#endif

} // namespace bilobe::cli
