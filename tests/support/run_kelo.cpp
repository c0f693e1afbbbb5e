// Running kelo as a child process.
#include "support/run_kelo.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

void Drain(int outFd, int errFd, std::string* out, std::string* err) {
  struct pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
  std::string* sinks[2] = {out, err};
  int open = (outFd >= 0) + 1;
  if (outFd < 0) fds[0].fd = -1;
  char buffer[65536];
  while (open > 0) {
    if (poll(fds, 2, -1) < 0) break;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      ssize_t got = read(fds[i].fd, buffer, sizeof(buffer));
      if (got <= 0) {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      } else {
        sinks[i]->append(buffer, static_cast<size_t>(got));
      }
    }
  }
}

RunResult Run(const std::vector<std::string>& args, const std::string& cwd,
              const std::string& stdoutPath, int id) {
  int outPipe[2] = {-1, -1}, errPipe[2];
  if ((stdoutPath.empty() && pipe(outPipe) != 0) || pipe(errPipe) != 0) {
    throw std::runtime_error("pipe");
  }
  std::vector<char*> argv;
  std::string program = KELO_BINARY;
  argv.push_back(program.data());
  std::vector<std::string> copies = args;
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t child = fork();
  if (child == 0) {
    if (id >= 0 && (setgid(static_cast<gid_t>(id)) != 0 || setuid(static_cast<uid_t>(id)) != 0)) {
      _exit(124);
    }
    if (chdir(cwd.c_str()) != 0) _exit(126);
    int devNull = open("/dev/null", O_RDONLY);
    dup2(devNull, 0);
    if (stdoutPath.empty()) {
      dup2(outPipe[1], 1);
    } else {
      int fd = open(stdoutPath.c_str(), O_WRONLY);
      if (fd < 0) _exit(125);
      dup2(fd, 1);
    }
    dup2(errPipe[1], 2);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  if (stdoutPath.empty()) close(outPipe[1]);
  close(errPipe[1]);
  RunResult result;
  Drain(stdoutPath.empty() ? outPipe[0] : -1, errPipe[0], &result.out, &result.err);
  int status = 0;
  waitpid(child, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace

RunResult RunKelo(const std::vector<std::string>& args, const std::string& cwd,
                  const std::string& stdoutPath) {
  return Run(args, cwd, stdoutPath, -1);
}

RunResult RunKeloAs(unsigned id, const std::vector<std::string>& args, const std::string& cwd) {
  return Run(args, cwd, "", static_cast<int>(id));
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kelo-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}
