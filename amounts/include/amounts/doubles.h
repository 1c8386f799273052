// Doubles to and from decimal text, correctly rounded, by the standard
// library of the build's target (amounts/backend/TARGET/backend.cc).
#ifndef MENSUREX_AMOUNTS_DOUBLES_H_
#define MENSUREX_AMOUNTS_DOUBLES_H_

namespace mensurex {

// The double nearest to an ASCII text of digits, "e", an optional "-" and
// digits, which *end, a NUL, follows. False when its value lies beyond the
// double range or so close to zero that it reads as zero.
bool ReadScientific(const char* begin, const char* end, double* value);

// Writes a finite double into [begin, end) in the form "d.ddde+x" with
// `places` digits after the point, rounded to nearest, ties to even, and
// returns the end of the text; the room holds the longest text and a NUL.
char* WriteScientific(double value, int places, char* begin, char* end);

}  // namespace mensurex

#endif  // MENSUREX_AMOUNTS_DOUBLES_H_
