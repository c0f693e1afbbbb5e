// The I/O floor: for each file of a corpus manifest ("name offset size" lines)
// it opens the file, takes its status, reads the first 4 KiB, reads exactly
// the version resource's bytes, closes it, and writes how many bytes it read.
// Nothing can report a file's version with less work than this.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kelo-floor MANIFEST\n");
    return 2;
  }
  std::FILE* manifest = std::fopen(argv[1], "r");
  if (manifest == nullptr) return 1;
  static char output[1 << 16];
  std::setvbuf(stdout, output, _IOFBF, sizeof(output));
  std::vector<unsigned char> buffer(1 << 16);
  char name[4096];
  unsigned long long offset = 0;
  unsigned long size = 0;
  while (std::fscanf(manifest, "%4095s %llu %lu", name, &offset, &size) == 3) {
    long total = 0;
    int fd = open(name, O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
      struct stat info;
      fstat(fd, &info);
      total += read(fd, buffer.data(), 4096);
      if (size > 0 && size <= buffer.size()) {
        total += pread(fd, buffer.data(), size, static_cast<off_t>(offset));
      }
      close(fd);
    }
    std::printf("%s %ld\n", name, total);
  }
  std::fclose(manifest);
  return 0;
}
