#include <iostream>

#include "konsola.hpp"
#include "uruchom.hpp"

int main() {
    // Outlives the run and its output: std::cout and std::cerr are flushed once more at exit, and
    // by then they have their own buffers back.
    const Konsola konsola{};
    WejscieStandardowe bufor;
    std::istream wejscie(&bufor);
    const int status = uruchom(wejscie, std::cout, std::cerr);
    konsola.czekaj();
    return status;
}
