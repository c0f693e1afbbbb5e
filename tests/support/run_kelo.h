// Running the built kelo binary and capturing what it writes.
#pragma once

#include <string>
#include <vector>

struct RunResult {
  std::string out;  // standard output, byte for byte
  std::string err;  // standard error
  int status = -1;  // exit status, or -1 when it did not exit normally
};

// Runs kelo with `args` in the directory `cwd`. `stdoutPath`, when given,
// becomes its standard output instead of a pipe.
RunResult RunKelo(const std::vector<std::string>& args, const std::string& cwd = ".",
                  const std::string& stdoutPath = "");

// The same, run as the user and group `id` (the caller must be root).
RunResult RunKeloAs(unsigned id, const std::vector<std::string>& args, const std::string& cwd);

// A fresh temporary directory, removed with everything in it when destroyed.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};
