// Runs the whole program in process on arbitrary input and checks the outcome against the input's
// first three words as strtoll reads them: the full report when all three are ints, otherwise
// the prompt alone, one error line and status 1.
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

int uruchom(std::istream& wejscie, std::ostream& wyjscie, std::ostream& bledy);

namespace {

const std::string zacheta = " Podaj trzy liczby, a ja dodam je do listy\n";

// The report the input deserves, or "" when one of its first three words is not an int.
std::string raport(const std::string& tekst) {
    static const char* const etykiety[] = {"Pierwszy", "Drugi", "Trzeci"};
    std::istringstream slowa(tekst);
    std::string wynik = zacheta + "Rozmiar listy: 3\n";
    for (const char* etykieta : etykiety) {
        std::string slowo;
        if (!(slowa >> slowo)) {
            return "";
        }
        char* koniec = nullptr;
        errno = 0;
        const long long liczba = std::strtoll(slowo.c_str(), &koniec, 10);
        if (koniec == slowo.c_str() || koniec != slowo.c_str() + slowo.size() || errno != 0 ||
            liczba < INT_MIN || liczba > INT_MAX) {
            return "";
        }
        wynik += std::string(etykieta) + " element listy: " + std::to_string(liczba) + "\n";
    }
    return wynik;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    const std::string tekst(reinterpret_cast<const char*>(dane), rozmiar);
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
        std::fprintf(stderr, "status %d\nstdout:\n%s\nstderr:\n%s\nexpected:\n%s\n", status,
                     wyjscie.str().c_str(), blad.c_str(), oczekiwany.c_str());
        std::abort();
    }
    return 0;
}
