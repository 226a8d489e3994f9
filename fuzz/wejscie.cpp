// Runs the whole program in process on arbitrary input and checks the outcome against the input's
// first three words as std::stoll reads them: the full report when all three are ints, otherwise
// the prompt alone, one error line and status 1.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "uruchom.hpp"

namespace {

const std::string zacheta = " Podaj trzy liczby, a ja dodam je do listy\n";

// The report the input deserves, or "" when one of its first three words is not an int.
std::string raport(const std::string& tekst) {
    std::istringstream slowa(tekst);
    std::string wynik = zacheta + "Rozmiar listy: 3\n";
    for (const char* etykieta : std::array{"Pierwszy", "Drugi", "Trzeci"}) {
        std::string slowo;
        if (!(slowa >> slowo)) {
            return "";
        }
        std::size_t przeczytane = 0;
        long long liczba = 0;
        try {
            liczba = std::stoll(slowo, &przeczytane);
        } catch (const std::logic_error&) {  // not a number, or beyond long long
            return "";
        }
        if (przeczytane != slowo.size() || liczba < INT_MIN || liczba > INT_MAX) {
            return "";
        }
        wynik += std::string(etykieta) + " element listy: " + std::to_string(liczba) + "\n";
    }
    return wynik;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    const std::string tekst = FuzzedDataProvider(dane, rozmiar).ConsumeRemainingBytesAsString();
    std::istringstream wejscie(tekst);
    std::ostringstream wyjscie;
    std::ostringstream bledy;
    const int status = uruchom(wejscie, wyjscie, bledy);

    const std::string oczekiwany = raport(tekst);
    const std::string blad = bledy.str();
    const bool dobrze = oczekiwany.empty()
                            ? status == 1 && wyjscie.str() == zacheta &&
                                  blad.rfind("Błąd: ", 0) == 0 && blad.find('\n') == blad.size() - 1
                            : status == 0 && wyjscie.str() == oczekiwany && blad.empty();
    if (!dobrze) {
        std::cerr << "status " << status << "\nstdout:\n"
                  << wyjscie.str() << "stderr:\n"
                  << blad << "expected stdout:\n"
                  << (oczekiwany.empty() ? zacheta : oczekiwany) << std::endl;
        std::abort();
    }
    return 0;
}
