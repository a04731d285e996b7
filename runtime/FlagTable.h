#ifndef FLAGTABLE_H
#define FLAGTABLE_H

// The world model's numbers of the flags of the field, 1 to 53 (0 for a flag
// seen without its name), by the letters of the flag's name as ScanFlag gives
// them. The store keeps flags under these numbers, so their order is fixed.

// What FlagNumber gives for letters that name no flag: outside 0..53 even
// without its sign, so that the store rejects it instead of filing the
// measurement under a real flag.
const int kNoSuchFlag = 99;

int FlagNumber(char kind, char across, char along, int number);

#endif
