// Wildcard matching of entry names.
#include <gtest/gtest.h>

#include <ostream>

#include "posix/name_match.h"

namespace {

struct MatchCase {
  const char* pattern;
  const char* name;
  bool matches;
};

void PrintTo(const MatchCase& c, std::ostream* out) {
  *out << '"' << c.pattern << "\" vs \"" << c.name << '"';
}

class NameMatchTest : public testing::TestWithParam<MatchCase> {};

TEST_P(NameMatchTest, Matches) {
  const MatchCase& c = GetParam();
  EXPECT_EQ(MatchesName(c.pattern, c.name), c.matches) << c.pattern << " vs " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, NameMatchTest,
    testing::Values(MatchCase{"*.dll", "kernel32.dll", true},
                    MatchCase{"*.DLL", "kernel32.dll", true},
                    MatchCase{"KERNEL32.dll", "kernel32.DLL", true},
                    MatchCase{"*.dll", "kernel32.dll.bak", false}, MatchCase{"*.dll", "dll", false},
                    MatchCase{"k?rnel*", "kernel32.dll", true}, MatchCase{"?", "ab", false},
                    MatchCase{"??", "ab", true},
                    MatchCase{"?.txt", "\xC3\xA9.txt", true},  // one character, two bytes
                    MatchCase{"*", "anything.at.all", true}, MatchCase{"*.*", "noextension", true},
                    MatchCase{"*.*", "a.b", true}, MatchCase{"*.", "noextension", true},
                    MatchCase{"*.", "has.extension", false}, MatchCase{"readme.", "README", true},
                    MatchCase{"a*b*c", "aXbYbZc", true}, MatchCase{"a*b*c", "aXbYbZ", false},
                    MatchCase{"*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
                    MatchCase{"", "a", false}));

}  // namespace
