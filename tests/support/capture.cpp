// In-process runs with standard output sent to a temporary file.
#include "support/capture.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "cli/arguments.h"

std::string RunInProcess(const std::vector<std::string>& args, int* status) {
  std::fflush(stdout);
  char path[] = "/tmp/kelo-capture-XXXXXX";
  int fd = mkstemp(path);
  if (fd < 0) throw std::runtime_error("mkstemp");
  int saved = dup(1);
  dup2(fd, 1);
  close(fd);
  std::vector<std::string> copies = args;
  std::vector<char*> argv;
  std::string program = "kelo";
  argv.push_back(program.data());
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  int result = KeloMain(static_cast<int>(copies.size() + 1), argv.data());
  std::fflush(stdout);
  dup2(saved, 1);
  close(saved);
  if (status != nullptr) *status = result;
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  unlink(path);
  return text.str();
}
