// Runs the whole program in process on arbitrary input and checks the outcome against the input's
// first three words as std::stoll reads them: the full report when all three are ints, otherwise
// the prompt alone, one error line and status 1. The input comes twice: from a string, and through
// the very buffer the program reads standard input with, in blocks of the sizes the fuzzer picks,
// so that a block may end anywhere, inside a number or after a 0xFF.
#include "wejscie.hpp"

#include <fuzzer/FuzzedDataProvider.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

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

// Runs the program on the input and checks its outcome; returns all it showed.
std::string sprawdz(std::streambuf& wejscie, const std::string& tekst, const char* skad) {
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
        std::cerr << "from " << skad << ": status " << status << "\nstdout:\n"
                  << wyjscie.str() << "stderr:\n"
                  << blad << "expected stdout:\n"
                  << (oczekiwany.empty() ? zacheta : oczekiwany) << std::endl;
        std::abort();
    }
    return std::to_string(status) + '\n' + wyjscie.str() + blad;
}

// Few enough writes, each small enough, for the socket to hold them all before the first read.
constexpr std::size_t kawalkowNajwyzej = 64;
constexpr std::size_t kawalekNajwyzej = 256;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    FuzzedDataProvider bajty(dane, rozmiar);
    std::vector<std::string> kawalki;
    while (bajty.remaining_bytes() > 0 && kawalki.size() < kawalkowNajwyzej) {
        const auto ile = bajty.ConsumeIntegralInRange<std::size_t>(1, kawalekNajwyzej);
        kawalki.push_back(bajty.ConsumeBytesAsString(ile));
    }
    std::string tekst;
    for (const std::string& kawalek : kawalki) {
        tekst += kawalek;
    }

    std::stringbuf napis(tekst);
    const std::string zNapisu = sprawdz(napis, tekst, "a string");

    // A pipe joins the writes that came before a read; a sequenced-packet socket gives each read
    // one write, whole, so the blocks are the pieces above, wherever they end.
    std::array<int, 2> gniazda{};
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, gniazda.data()) != 0) {
        std::perror("socketpair");
        std::abort();
    }
    for (const std::string& kawalek : kawalki) {
        // An empty packet would read as the end of the input.
        if (!kawalek.empty() &&
            ::send(gniazda[1], kawalek.data(), kawalek.size(), MSG_DONTWAIT | MSG_NOSIGNAL) !=
                static_cast<ssize_t>(kawalek.size())) {
            std::perror("send");
            std::abort();
        }
    }
    ::close(gniazda[1]);
    std::string zBlokow;
    {
        Wejscie gniazdo(gniazda[0]);
        zBlokow = sprawdz(gniazdo, tekst, "blocks of standard input's buffer");
    }
    ::close(gniazda[0]);
    // The same error, too: where a block ends must not change which number is at fault, or why.
    if (zBlokow != zNapisu) {
        std::cerr << "from a string:\n" << zNapisu << "from blocks:\n" << zBlokow << std::endl;
        std::abort();
    }
    return 0;
}
