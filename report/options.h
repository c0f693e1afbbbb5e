// The four option flags. The command line flips them; the report reads them
// at the moment each file is reported.
#pragma once

extern int optJapanese;   // -j: Japanese labels and type texts
extern int optFixedInfo;  // -f: the fixed-information section
extern int optVerbose;    // -v: the extended field set
extern int optQuiet;      // -q: only the two version strings; wins over -v
