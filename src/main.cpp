#include <iostream>

#include "konsola.hpp"
#include "uruchom.hpp"

int main() {
    WejscieStandardowe bufor;
    std::istream wejscie(&bufor);
    return uruchom(wejscie, std::cout, std::cerr);
}
