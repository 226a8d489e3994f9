#include <cstdlib>
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

bool bialy(int znak) {
    return znak == ' ' || znak == '\t' || znak == '\n' || znak == '\v' || znak == '\f' ||
           znak == '\r';
}

// Reads one whitespace-separated token that must be a whole decimal number within int's range.
// It works on the stream buffer a character at a time and leaves unread the whitespace that ends
// a number, so it never waits for input past the line that holds it, and after a bad token it
// stops at the character that settled it. On failure it writes the reason to `bledy`.
bool wczytaj(std::streambuf& zrodlo, std::ostream& bledy, Porzadkowa ktora, int& liczba) {
    int znak = zrodlo.sgetc();
    while (bialy(znak)) {
        znak = zrodlo.snextc();
    }
    if (znak == koniec) {
        bledy << "Błąd: brak " << ktora.dopelniacz << " liczby (koniec danych wejściowych)"
              << std::endl;
        return false;
    }
    const bool ujemna = znak == '-';
    if (znak == '-' || znak == '+') {
        znak = zrodlo.snextc();
    }
    // The magnitude stops growing once past the limit, but the digits are still read: "99999999999"
    // is out of range while "99999999999x" is not a number at all.
    const long long granica = ujemna ? -static_cast<long long>(std::numeric_limits<int>::min())
                                     : std::numeric_limits<int>::max();
    long long modul = 0;
    bool saCyfry = false;
    while (znak >= '0' && znak <= '9') {
        saCyfry = true;
        if (modul <= granica) {
            modul = modul * podstawa + (znak - '0');
        }
        znak = zrodlo.snextc();
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

int bladZapisu(std::ostream& bledy) {
    bledy << "Błąd: zapis na standardowe wyjście nie powiódł się" << std::endl;
    return EXIT_FAILURE;
}

}  // namespace

// The whole run, on streams the caller chooses; returns the exit status.
int uruchom(std::istream& wejscie, std::ostream& wyjscie, std::ostream& bledy) {
    try {
        LinkedLista lista;
        wyjscie << " Podaj trzy liczby, a ja dodam je do listy" << std::endl;
        if (!wyjscie) {
            return bladZapisu(bledy);
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
        lista.dodaj(liczba1);
        lista.dodaj(liczba2);
        lista.dodaj(liczba3);
        wyjscie << "Rozmiar listy: " << lista.rozmiar() << std::endl
                << "Pierwszy element listy: " << lista[0] << std::endl
                << "Drugi element listy: " << lista[1] << std::endl
                << "Trzeci element listy: " << lista[2] << std::endl;
        if (!wyjscie) {
            return bladZapisu(bledy);
        }
        return EXIT_SUCCESS;
    } catch (const std::bad_alloc&) {
        bledy << "Błąd: brak pamięci" << std::endl;
        return EXIT_FAILURE;
    }
}

// The tests drive uruchom() in process and bring a main of their own.
#ifndef LISTA_BEZ_MAIN
int main() { return uruchom(std::cin, std::cout, std::cerr); }
#endif
