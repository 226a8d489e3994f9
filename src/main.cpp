#include <iostream>

#include "uruchom.hpp"
#include "wejscie.hpp"
#ifdef _WIN32
#include "konsola.hpp"
#endif

int main() {
    // In static storage: its 64 KiB block would otherwise sit on main's stack, a sixteenth of a
    // Windows main thread's.
    static Wejscie wejscie(0);
#ifdef _WIN32
    // Outlives the run and its output: std::cout and std::cerr are flushed once more at exit, and
    // by then they have their own buffers back.
    const Konsola konsola{};
    const int status = uruchom(wejscie, std::cout, std::cerr);
    konsola.czekaj();
    return status;
#else
    return uruchom(wejscie, std::cout, std::cerr);
#endif
}
