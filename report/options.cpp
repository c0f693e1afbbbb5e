// The option flags: all off at start.
#include "report/options.h"

int optJapanese = 0;
int optFixedInfo = 0;
int optVerbose = 0;
int optQuiet = 0;
