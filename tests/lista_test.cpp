#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <new>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "linked_lista.hpp"

int uruchom(std::istream& wejscie, std::ostream& wyjscie, std::ostream& bledy);

// Allocations left before the next one fails; negative: none fails. The failure is one-shot,
// so a test can fail each allocation of a run in turn. Global, as the operator new it steers is.
static long doAwarii = -1;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

// A replacement operator new has only malloc and free beneath it.
// NOLINTBEGIN(cppcoreguidelines-no-malloc)
void* operator new(std::size_t ile) {
    void* blok = doAwarii >= 0 && doAwarii-- == 0 ? nullptr : std::malloc(ile == 0 ? 1 : ile);
    if (blok == nullptr) {
        throw std::bad_alloc();
    }
    return blok;
}
void operator delete(void* blok) noexcept { std::free(blok); }
void operator delete(void* blok, std::size_t /*ile*/) noexcept { std::free(blok); }
// NOLINTEND(cppcoreguidelines-no-malloc)

namespace {

using Wartosci = std::vector<int>;

void dodaj(LinkedLista& lista, const Wartosci& wartosci) {
    for (int wartosc : wartosci) {
        lista.dodaj(wartosc);
    }
}

// Reads the list back through both accessors, and checks that positions outside it throw from
// both with the documented message.
Wartosci zawartosc(LinkedLista& lista) {
    Wartosci wynik;
    for (int i = 0; i < lista.rozmiar(); ++i) {
        EXPECT_EQ(&lista[i], &lista.pobierz(i));
        wynik.push_back(lista[i]);
    }
    for (int index : {lista.rozmiar(), -1, INT_MIN, INT_MAX}) {
        for (auto dostep : {&LinkedLista::pobierz, &LinkedLista::operator[]}) {
            try {
                (lista.*dostep)(index);
                ADD_FAILURE() << "no exception at position " << index;
            } catch (const std::out_of_range& e) {
                EXPECT_STREQ(e.what(), "Out of bounds error");
            }
        }
    }
    return wynik;
}

}  // namespace

TEST(LinkedLista, KeepsValuesInOrderAndRejectsOtherPositions) {
    for (const Wartosci& wartosci :
         {Wartosci{}, Wartosci{4, 8, 15}, Wartosci{-5, -5, 0}, Wartosci{INT_MIN, INT_MAX, 0}}) {
        LinkedLista lista;
        dodaj(lista, wartosci);
        EXPECT_EQ(zawartosc(lista), wartosci);
    }
}

TEST(LinkedLista, ReferenceWritesThroughAndClearedListGrowsAgain) {
    LinkedLista lista;
    lista.wyczysc();
    dodaj(lista, {4, 8, 15});
    lista[1] = 99;
    lista.pobierz(2) += 1;
    EXPECT_EQ(zawartosc(lista), (Wartosci{4, 99, 16}));
    lista.wyczysc();
    lista.wyczysc();
    EXPECT_EQ(zawartosc(lista), Wartosci{});
    lista.dodaj(7);
    EXPECT_EQ(zawartosc(lista), Wartosci{7});
}  // the destructor runs after clears: a double free or a leak fails under the sanitizers

TEST(LinkedLista, FailedAppendLeavesTheListAsItWas) {
    for (const Wartosci& wartosci : {Wartosci{}, Wartosci{4, 8}}) {
        LinkedLista lista;
        dodaj(lista, wartosci);
        doAwarii = 0;
        EXPECT_THROW(lista.dodaj(15), std::bad_alloc);
        EXPECT_EQ(zawartosc(lista), wartosci);
    }
}

// Fails each allocation of a run in turn: each run ends with the full report, or with status 1
// and one error line; the three node allocations end with the out-of-memory error.
TEST(Program, EveryFailedAllocationEndsInOneErrorLine) {
    int brakiPamieci = 0;
    for (long n = 0;; ++n) {
        std::istringstream wejscie("4 8 15\n");
        std::ostringstream wyjscie;
        std::ostringstream bledy;
        doAwarii = n;
        const int status = uruchom(wejscie, wyjscie, bledy);
        if (doAwarii >= 0) {  // nothing failed: the run is complete
            doAwarii = -1;
            EXPECT_EQ(status, 0);
            break;
        }
        EXPECT_EQ(status, 1);
        if (bledy.str() == "Błąd: brak pamięci\n") {
            ++brakiPamieci;
            EXPECT_EQ(wyjscie.str(), " Podaj trzy liczby, a ja dodam je do listy\n");
        } else {
            EXPECT_EQ(bledy.str(), "Błąd: zapis na standardowe wyjście nie powiódł się\n");
        }
    }
    EXPECT_EQ(brakiPamieci, 3);
}
