// kelo-spawn CWD PROGRAM ARGS...: runs PROGRAM in CWD with its output sent to
// /dev/null and prints its wall time in seconds and its peak resident memory
// in KiB. A child's peak memory includes what its parent held when it forked,
// so the benchmark starts every command through this small program.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: kelo-spawn CWD PROGRAM ARGS...\n");
    return 2;
  }
  timespec start, end;
  clock_gettime(CLOCK_MONOTONIC, &start);
  pid_t child = fork();
  if (child == 0) {
    if (chdir(argv[1]) != 0) _exit(126);
    int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    execv(argv[2], argv + 2);
    _exit(127);
  }
  int status = 0;
  struct rusage usage;
  if (child < 0 || wait4(child, &status, 0, &usage) != child) return 1;
  clock_gettime(CLOCK_MONOTONIC, &end);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return 1;
  double seconds = static_cast<double>(end.tv_sec - start.tv_sec) +
                   static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e9;
  std::printf("%.9f %ld\n", seconds, usage.ru_maxrss);
  return 0;
}
