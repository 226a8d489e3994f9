#pragma once

#include <iosfwd>

// The whole run, reading from the stream buffer and writing to the streams the caller chooses;
// returns the exit status. The buffer tells the end of the input by returning end-of-file, and a
// failed read by throwing std::ios_base::failure, as libstdc++'s file buffer does (libc++'s takes
// it for the end). It is synced once the reader stops, whether the numbers read or not, so that
// what it read ahead goes back where the input can take it.
int uruchom(std::streambuf& wejscie, std::ostream& wyjscie, std::ostream& bledy);
