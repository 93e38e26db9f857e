// Another program holding a file open, as an editor or a viewer does on
// Windows: the file opened with no sharing at all, "ouvert" said on the
// standard output, and held until the standard input closes.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  const HANDLE h =
      ::CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return 1;
  std::puts("ouvert");
  std::fflush(stdout);
  while (std::getchar() != EOF) {
  }
  ::CloseHandle(h);
  return 0;
}
