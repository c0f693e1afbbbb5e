// Choosing the string table of the loaded block, and the field sets.
#pragma once

// Sets stringTablePrefix: from the single translation entry when its table
// holds FileVersion, otherwise from the probe list.
void ChooseStringTable();

// Tries the probe rows in order; the last row is taken untested.
void ProbeStringTables();

// Prints the fields that the option flags call for, in their order.
void PrintStringFields();
