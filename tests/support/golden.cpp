// The golden-case runner.
#include <gtest/gtest.h>

#include "support/golden.h"
#include "support/run_kelo.h"

void ExpectGolden(const GoldenCase& c) {
  TempDir dir;
  fixture::WriteFile(dir / "f.dll", c.make().bytes);
  std::vector<std::string> args = c.options;
  args.push_back("f.dll");
  RunResult run = RunKelo(args, dir.path());
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "<<f.dll>>\n" + c.expected);
}
