#ifndef SETTINGBOUNDS_H
#define SETTINGBOUNDS_H

// A setting whose size drives memory, a loop or a wait, held inside the
// range the program can live with. A value outside the range is replaced by
// the nearer end, with one warning line that names the reader, the key, the
// value read and the value used; a value inside it comes back unchanged and
// silently. `who` is the reader as error lines name it ("CBehaviours: Init").
int boundsetting(const char *who, const char *key, int value, int low, int high);
// The same for a number with a fraction; a value that is no number (NaN)
// takes fallback.
double boundsetting(const char *who, const char *key, double value, double low, double high,
                    double fallback);

#endif
