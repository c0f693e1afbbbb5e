// Golden cases: a fixture image, the options, and the exact bytes kelo must
// print after the image's header line.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "fixture/fixture_writer.h"

struct GoldenCase {
  const char* name;
  std::function<fixture::Image()> make;
  std::vector<std::string> options;
  std::string expected;  // what follows "<<f.dll>>\n"
};

inline void PrintTo(const GoldenCase& c, std::ostream* out) {
  *out << c.name;
}

inline std::string GoldenCaseName(const testing::TestParamInfo<GoldenCase>& info) {
  return info.param.name;
}

// Writes the case's image as f.dll in a fresh directory, runs the built kelo
// on it, and checks the output byte for byte, the exit status and that
// nothing went to standard error.
void ExpectGolden(const GoldenCase& c);
