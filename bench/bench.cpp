// The benchmark: kelo against the I/O floor on generated corpora.
//
// For each corpus size it generates realistic images with the fixture writer
// (a few KiB to several MiB, the resource section near the end as linkers
// place it, PE32, PE32+ and files without a version resource), then times, in
// alternating order after a warm-up round:
//   floor     kelo-floor: open, fstat, 4 KiB, the version bytes, close
//   wildcard  kelo -v '*'              (kelo expands the specification)
//   literal   kelo -v <every path>     (as a shell expands them)
//   fixed     kelo -fv <every path>
// and prints the median wall time of each, its ratio to the floor, and the
// peak resident memory of each run. All output goes to /dev/null.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "fixture/fixture_writer.h"

namespace {

struct Sample {
  double seconds;
  long peakKiB;
};

// Runs `args` in `cwd` through kelo-spawn, which measures it.
Sample Run(const std::vector<std::string>& args, const std::string& cwd, const std::string& spawn) {
  std::vector<std::string> copies = {spawn, cwd};
  copies.insert(copies.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  int fds[2];
  if (pipe(fds) != 0) std::exit(1);
  pid_t child = fork();
  if (child == 0) {
    dup2(fds[1], 1);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(fds[1]);
  char text[128] = {};
  ssize_t got = read(fds[0], text, sizeof(text) - 1);
  close(fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  Sample sample{0, 0};
  if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      std::sscanf(text, "%lf %ld", &sample.seconds, &sample.peakKiB) != 2) {
    std::fprintf(stderr, "kelo-bench: %s failed\n", args[0].c_str());
    std::exit(1);
  }
  return sample;
}

// Writes `count` images into `dir` and their version offsets into `manifest`.
std::vector<std::string> MakeCorpus(const std::string& dir, const std::string& manifest,
                                    size_t count) {
  std::vector<std::string> names;
  for (size_t i = 0; i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof(name), "f%05zu.dll", i);
    names.push_back(name);
  }
  if (std::filesystem::exists(manifest)) return names;  // made by an earlier run
  std::filesystem::create_directories(dir);
  std::mt19937 random(static_cast<unsigned>(count));
  std::uniform_real_distribution<double> logSize(12.0, 23.0);  // 4 KiB to 8 MiB of code
  std::ofstream list(manifest + ".part");
  for (size_t i = 0; i < count; ++i) {
    fixture::ImageOptions options;
    options.codeSize = static_cast<size_t>(std::exp2(logSize(random)));
    options.trailerSize = 0x200;  // relocations after the resources
    options.fillCode = false;
    fixture::Format format = i % 10 < 5 ? fixture::Format::kPe32 : fixture::Format::kPe32Plus;
    fixture::Image image;
    if (i % 10 == 9) {
      image = fixture::BuildPe(format, {}, options);
    } else {
      std::string n = std::to_string(i);
      fixture::VersionInfo info =
          fixture::SimpleVersion({{"CompanyName", "Benchmark Corporation " + n},
                                  {"FileDescription", "Generated library number " + n},
                                  {"FileVersion", "10.0." + n + ".1"},
                                  {"InternalName", "f" + n},
                                  {"LegalCopyright", "Copyright (C) 2026 Benchmark Corporation"},
                                  {"OriginalFilename", names[i]},
                                  {"ProductName", "Benchmark Platform"},
                                  {"ProductVersion", "10.0." + n + ".1"}});
      fixture::Resource icon;
      icon.type = 3;
      icon.data = fixture::Bytes(2216, 0x7F);
      fixture::Resource version;
      version.data = fixture::SerializeWide(fixture::VersionTree(info));
      image = fixture::BuildPe(format, {icon, version}, options);
    }
    fixture::WriteSparseFile(dir + "/" + names[i], image.bytes);
    list << names[i] << ' ' << image.versionOffset << ' ' << image.versionSize << '\n';
  }
  list.close();
  std::filesystem::rename(manifest + ".part", manifest);
  return names;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  std::string binDir = std::filesystem::canonical("/proc/self/exe").parent_path().string();
  std::string kelo = binDir + "/../kelo";
  std::string floor = binDir + "/kelo-floor";
  std::string spawn = binDir + "/kelo-spawn";
  std::string root = "/tmp/kelo-bench";
  int runs = 7;
  std::vector<size_t> sizes = {500, 5000, 20000};
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string flag = argv[i];
    if (flag == "--dir") root = argv[i + 1];
    if (flag == "--runs") runs = std::max(5, std::atoi(argv[i + 1]));
  }
  const char* labels[] = {"floor", "kelo -v '*'", "kelo -v <paths>", "kelo -fv <paths>"};
  std::printf("%7s  %-17s %10s %7s %10s\n", "files", "command", "median ms", "ratio", "peak KiB");
  double literal5000 = 0, literal20000 = 0;
  long peak500[4] = {0}, peak20000[4] = {0};
  for (size_t count : sizes) {
    std::string dir = root + "/" + std::to_string(count);
    std::string manifest = root + "/" + std::to_string(count) + ".manifest";
    std::vector<std::string> names = MakeCorpus(dir, manifest, count);
    std::vector<std::vector<std::string>> commands(4);
    commands[0] = {floor, manifest};
    commands[1] = {kelo, "-v", "*"};
    commands[2] = {kelo, "-v"};
    commands[3] = {kelo, "-fv"};
    for (const std::string& name : names) {
      commands[2].push_back(name);
      commands[3].push_back(name);
    }
    std::vector<std::vector<double>> times(4);
    long peaks[4] = {0};
    for (int round = -1; round < runs; ++round) {  // round -1 warms the cache
      for (size_t c = 0; c < 4; ++c) {
        Sample sample = Run(commands[c], dir, spawn);
        if (round < 0) continue;
        times[c].push_back(sample.seconds);
        peaks[c] = std::max(peaks[c], sample.peakKiB);
      }
    }
    double floorTime = Median(times[0]);
    for (size_t c = 0; c < 4; ++c) {
      double median = Median(times[c]);
      std::printf("%7zu  %-17s %10.1f %7.2f %10ld\n", count, labels[c], median * 1000,
                  median / floorTime, peaks[c]);
      if (count == 500) peak500[c] = peaks[c];
      if (count == 20000) peak20000[c] = peaks[c];
    }
    if (count == 5000) literal5000 = Median(times[2]);
    if (count == 20000) literal20000 = Median(times[2]);
  }
  if (literal5000 > 0 && literal20000 > 0) {
    std::printf("literal paths, 20000 / 5000 files: %.2f times the time\n",
                literal20000 / literal5000);
  }
  for (size_t c = 1; c < 4 && peak500[c] > 0; ++c) {
    std::printf("%-17s peak memory, 20000 / 500 files: %.3f\n", labels[c],
                static_cast<double>(peak20000[c]) / static_cast<double>(peak500[c]));
  }
  return 0;
}
