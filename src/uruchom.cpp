#include "uruchom.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ios>
#include <iostream>
#include <iterator>
#include <limits>
#include <new>
#include <streambuf>
#include <string_view>
#include <utility>

#include "linked_lista.hpp"

namespace {

// Every line the program writes to standard error, as the README's table writes it, ORDINAL and
// GENITIVE standing for the number's name; tests/komunikaty.cmake holds the README, both manual
// pages and the end-to-end table to this table, and every other line of the sources to writing
// none but these.
enum class Komunikat : std::uint8_t { nieCalkowita, pozaZakresem, koniec, odczyt, zapis, pamiec };
constexpr std::array<std::string_view, 6> komunikaty{
    "Błąd: ORDINAL liczba nie jest liczbą całkowitą",
    "Błąd: ORDINAL liczba jest poza zakresem od -2147483648 do 2147483647",
    "Błąd: brak GENITIVE liczby (koniec danych wejściowych)",
    "Błąd: odczyt ze standardowego wejścia nie powiódł się",
    "Błąd: zapis na standardowe wyjście nie powiódł się",
    "Błąd: brak pamięci",
};
static_assert(komunikaty.size() == static_cast<std::size_t>(Komunikat::pamiec) + 1,
              "one message for each Komunikat, in its order");

// How a message names the number at fault, in the README's words: ORDINAL, GENITIVE.
struct Porzadkowa {
    std::string_view mianownik;
    std::string_view dopelniacz;
};
constexpr std::array<Porzadkowa, 3> porzadkowe{{
    {"pierwsza", "pierwszej"},
    {"druga", "drugiej"},
    {"trzecia", "trzeciej"},
}};

// The longest line the program can write to standard error: a message, the longest name of a
// number beside it, and the line's end.
constexpr std::size_t najdluzsza = [] {
    std::size_t komunikat = 0;
    for (const std::string_view tekst : komunikaty) {
        komunikat = std::max(komunikat, tekst.size());
    }
    std::size_t slowo = 0;
    for (const Porzadkowa& nazwa : porzadkowe) {
        slowo = std::max({slowo, nazwa.mianownik.size(), nazwa.dopelniacz.size()});
    }
    return komunikat + slowo + 1;
}();

// Writes the message as one line, the number's name in place of its placeholder, if any. The line
// goes out in one write, so that a standard error that fails shows no half of it, and from the
// stack, so that it serves when memory has run out.
int blad(std::ostream& bledy, Komunikat ktory, Porzadkowa liczba = {}) {
    std::array<char, najdluzsza> linia{};
    char* koniecLinii = linia.data();
    const auto dopisz = [&koniecLinii](std::string_view kawalek) {
        koniecLinii = std::copy(kawalek.begin(), kawalek.end(), koniecLinii);
    };
    std::string_view tekst = komunikaty.at(static_cast<std::size_t>(ktory));
    const std::array<std::pair<std::string_view, std::string_view>, 2> miejsca{{
        {"ORDINAL", liczba.mianownik},
        {"GENITIVE", liczba.dopelniacz},
    }};
    for (const auto& [miejsce, slowo] : miejsca) {
        if (const std::size_t gdzie = tekst.find(miejsce); gdzie != std::string_view::npos) {
            dopisz(tekst.substr(0, gdzie));
            dopisz(slowo);
            tekst.remove_prefix(gdzie + miejsce.size());
        }
    }
    dopisz(tekst);
    dopisz("\n");
    bledy.write(linia.data(), std::distance(linia.data(), koniecLinii)).flush();
    return EXIT_FAILURE;
}

constexpr int koniec = std::streambuf::traits_type::eof();
constexpr int podstawa = 10;

// Space, or one of \t \n \v \f \r, which stand together in the character set.
bool bialy(int znak) { return znak == ' ' || (znak >= '\t' && znak <= '\r'); }

bool cyfra(int znak) { return znak >= '0' && znak <= '9'; }

// Reads one whitespace-separated token that must be a whole decimal number within int's range.
// It takes the stream buffer's characters one at a time through its inline fast path, and takes
// nothing past the whitespace that ends a number, or past the character that shows a token is no
// number, so it never waits for input past the line that holds it. A failed read throws out of
// sbumpc(). On a bad token it writes the reason to `bledy`.
bool wczytaj(std::streambuf& zrodlo, std::ostream& bledy, Porzadkowa ktora, int& liczba) {
    int znak = zrodlo.sbumpc();
    while (bialy(znak)) {
        znak = zrodlo.sbumpc();
    }
    if (znak == koniec) {
        blad(bledy, Komunikat::koniec, ktora);
        return false;
    }
    const bool ujemna = znak == '-';
    if (znak == '-' || znak == '+') {
        znak = zrodlo.sbumpc();
    }
    // The magnitude stops growing once past the limit, but the digits are still read: "99999999999"
    // is out of range while "99999999999x" is not a number at all.
    const long long granica = ujemna ? -static_cast<long long>(std::numeric_limits<int>::min())
                                     : std::numeric_limits<int>::max();
    long long modul = 0;
    bool saCyfry = false;
    while (cyfra(znak)) {
        saCyfry = true;
        if (modul <= granica) {
            modul = (modul * podstawa) + (znak - '0');
        }
        znak = zrodlo.sbumpc();
    }
    if (!saCyfry || (znak != koniec && !bialy(znak))) {
        blad(bledy, Komunikat::nieCalkowita, ktora);
        return false;
    }
    if (modul > granica) {
        blad(bledy, Komunikat::pozaZakresem, ktora);
        return false;
    }
    liczba = static_cast<int>(ujemna ? -modul : modul);
    return true;
}

}  // namespace

// Output and errors are the console's two streams, in the order every caller knows them.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters)
int uruchom(std::streambuf& wejscie, std::ostream& wyjscie, std::ostream& bledy) {
    try {
        LinkedLista lista;
        wyjscie << " Podaj trzy liczby, a ja dodam je do listy" << std::endl;
        if (!wyjscie) {
            return blad(bledy, Komunikat::zapis);
        }
        int liczba1 = 0;
        int liczba2 = 0;
        int liczba3 = 0;
        const bool wczytane = wczytaj(wejscie, bledy, porzadkowe[0], liczba1) &&
                              wczytaj(wejscie, bledy, porzadkowe[1], liczba2) &&
                              wczytaj(wejscie, bledy, porzadkowe[2], liczba3);
        // Whatever the buffer read past the last character examined goes back, where the input
        // can take it: the next reader starts there, whether this run read its numbers or not.
        wejscie.pubsync();
        if (!wczytane) {
            return EXIT_FAILURE;
        }
        lista.dodaj(liczba1);
        lista.dodaj(liczba2);
        lista.dodaj(liczba3);
        wyjscie << "Rozmiar listy: " << lista.rozmiar() << std::endl
                << "Pierwszy element listy: " << lista[0] << std::endl
                << "Drugi element listy: " << lista[1] << std::endl
                << "Trzeci element listy: " << lista[2] << std::endl;
        if (!wyjscie) {
            return blad(bledy, Komunikat::zapis);
        }
        return EXIT_SUCCESS;
    } catch (const std::bad_alloc&) {
        return blad(bledy, Komunikat::pamiec);
    } catch (const std::ios_base::failure&) {
        // Only the input's buffer throws this: the output streams report through their state.
        return blad(bledy, Komunikat::odczyt);
    }
}
