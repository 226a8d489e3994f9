#pragma once

#include <iosfwd>

// The whole run on streams the caller chooses; returns the exit status. The input's stream
// buffer tells the end of the input by returning end-of-file, and a failed read by throwing
// std::ios_base::failure, as libstdc++'s file buffer does (libc++'s takes it for the end). The
// reader works on the buffer directly, and syncs it once the third number is read.
int uruchom(std::istream& wejscie, std::ostream& wyjscie, std::ostream& bledy);
