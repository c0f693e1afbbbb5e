// Writes seed inputs for the fuzz targets from the fixture writer: images of
// every format for the file-level targets, and path-plus-block inputs for the
// lookup target.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "fixture/fixture_writer.h"

using namespace fixture;

namespace {

VersionInfo Rich() {
  VersionInfo info = SimpleVersion({{"ProductName", "Seed"},
                                    {"FileVersion", "1.2.3.4"},
                                    {"CompanyName", "Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC"},
                                    {"Comments", "line\r\nbreak"}});
  info.tables.push_back({"041103A4", {{"FileVersion", "2"}}});
  info.translations.push_back(Translation(0x0411, 0x03A4));
  return info;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kelo-seeds IMAGE-DIRECTORY QUERY-DIRECTORY\n");
    return 2;
  }
  const std::string images = std::string(argv[1]) + "/";
  const std::string queries = std::string(argv[2]) + "/";
  try {
    VersionInfo plain = SimpleVersion({{"FileVersion", "1"}});
    VersionInfo noFixed = plain;
    noFixed.fixed.reset();
    WriteFile(images + "pe32", VersionImage(Format::kPe32, Rich()).bytes);
    WriteFile(images + "pe32plus", VersionImage(Format::kPe32Plus, plain).bytes);
    WriteFile(images + "ne", VersionImage(Format::kNe, Rich()).bytes);
    WriteFile(images + "le", VersionImage(Format::kLe, noFixed).bytes);
    WriteFile(images + "plain", PlainImage(Format::kPe32).bytes);

    const std::vector<std::string> paths = {"\\", "\\VarFileInfo\\Translation",
                                            "\\StringFileInfo\\040904B0\\FileVersion",
                                            "\\\\stringfileinfo\\041103a4\\\\FILEVERSION"};
    for (size_t i = 0; i < paths.size(); ++i) {
      for (int narrow = 0; narrow < 2; ++narrow) {
        Node tree = VersionTree(Rich());
        Bytes block = narrow ? SerializeNarrow(tree) : SerializeWide(tree);
        Bytes input(paths[i].begin(), paths[i].end());
        input.push_back(0);
        input.push_back(static_cast<uint8_t>(narrow));
        input.insert(input.end(), block.begin(), block.end());
        WriteFile(queries + "query" + std::to_string(i) + (narrow ? "n" : "w"), input);
      }
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kelo-seeds: %s\n", error.what());
    return 1;
  }
  return 0;
}
