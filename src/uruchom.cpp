#include "uruchom.hpp"

#include <cstdlib>
#include <ios>
#include <iostream>
#include <limits>
#include <new>
#include <streambuf>

#include "linked_lista.hpp"

namespace {

constexpr int koniec = std::streambuf::traits_type::eof();
constexpr int podstawa = 10;

// How an error message names the number at fault: "druga liczba", "brak drugiej liczby".
struct Porzadkowa {
    const char* mianownik;
    const char* dopelniacz;
};

// Space, or one of \t \n \v \f \r, which stand together in the character set.
bool bialy(int znak) { return znak == ' ' || (znak >= '\t' && znak <= '\r'); }

bool cyfra(int znak) { return znak >= '0' && znak <= '9'; }

// Reads one whitespace-separated token that must be a whole decimal number within int's range.
// It takes the stream buffer's characters one at a time through its inline fast path, and takes
// nothing past the whitespace that ends a number, so it never waits for input past the line that
// holds it. A failed read throws out of sbumpc(). On a bad token it writes the reason to `bledy`.
bool wczytaj(std::streambuf& zrodlo, std::ostream& bledy, Porzadkowa ktora, int& liczba) {
    int znak = zrodlo.sbumpc();
    while (bialy(znak)) {
        znak = zrodlo.sbumpc();
    }
    if (znak == koniec) {
        bledy << "Błąd: brak " << ktora.dopelniacz << " liczby (koniec danych wejściowych)"
              << std::endl;
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
        bledy << "Błąd: " << ktora.mianownik << " liczba nie jest liczbą całkowitą" << std::endl;
        return false;
    }
    if (modul > granica) {
        bledy << "Błąd: " << ktora.mianownik
              << " liczba jest poza zakresem od -2147483648 do 2147483647" << std::endl;
        return false;
    }
    liczba = static_cast<int>(ujemna ? -modul : modul);
    return true;
}

int blad(std::ostream& bledy, const char* opis) {
    bledy << "Błąd: " << opis << std::endl;
    return EXIT_FAILURE;
}

constexpr const char* bladZapisu = "zapis na standardowe wyjście nie powiódł się";

}  // namespace

// Output and errors are the console's two streams, in the order every caller knows them.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters)
int uruchom(std::istream& wejscie, std::ostream& wyjscie, std::ostream& bledy) {
    try {
        LinkedLista lista;
        wyjscie << " Podaj trzy liczby, a ja dodam je do listy" << std::endl;
        if (!wyjscie) {
            return blad(bledy, bladZapisu);
        }
        int liczba1 = 0;
        int liczba2 = 0;
        int liczba3 = 0;
        std::streambuf& zrodlo = *wejscie.rdbuf();
        if (!wczytaj(zrodlo, bledy, {"pierwsza", "pierwszej"}, liczba1) ||
            !wczytaj(zrodlo, bledy, {"druga", "drugiej"}, liczba2) ||
            !wczytaj(zrodlo, bledy, {"trzecia", "trzeciej"}, liczba3)) {
            return EXIT_FAILURE;
        }
        // Whatever the buffer read past the third number goes back, where the input can take it.
        zrodlo.pubsync();
        lista.dodaj(liczba1);
        lista.dodaj(liczba2);
        lista.dodaj(liczba3);
        wyjscie << "Rozmiar listy: " << lista.rozmiar() << std::endl
                << "Pierwszy element listy: " << lista[0] << std::endl
                << "Drugi element listy: " << lista[1] << std::endl
                << "Trzeci element listy: " << lista[2] << std::endl;
        if (!wyjscie) {
            return blad(bledy, bladZapisu);
        }
        return EXIT_SUCCESS;
    } catch (const std::bad_alloc&) {
        return blad(bledy, "brak pamięci");
    } catch (const std::ios_base::failure&) {
        // Only the input's buffer throws this: the output streams report through their state.
        return blad(bledy, "odczyt ze standardowego wejścia nie powiódł się");
    }
}
