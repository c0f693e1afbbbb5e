// kelo: prints the version information of Windows executables, libraries,
// drivers and fonts.
#include <cstdio>

#include "cli/arguments.h"

#ifdef _WIN32
#include <io.h>
#define KELO_ISATTY _isatty
#define KELO_FILENO _fileno
#else
#include <unistd.h>
#define KELO_ISATTY isatty
#define KELO_FILENO fileno
#endif

int main(int argc, char** argv) {
  // Reports of thousands of files go to files and pipes in large writes, not
  // a write per line; a terminal keeps its line buffering.
  static char outputBuffer[1 << 16];
  if (!KELO_ISATTY(KELO_FILENO(stdout))) {
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof(outputBuffer));
  }
  return KeloMain(argc, argv);
}
