#include <iostream>

#include "konsola.hpp"
#include "uruchom.hpp"

int main() {
    // Destroyed after the run, whichever way it ends: the console gets its code page back.
    [[maybe_unused]] const KonsolaUtf8 konsola{};
    WejscieStandardowe bufor;
    std::istream wejscie(&bufor);
    return uruchom(wejscie, std::cout, std::cerr);
}
