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
// so a test can fail each allocation of a run in turn.
static long doAwarii = -1;

void* operator new(std::size_t ile) {
    if (doAwarii >= 0 && doAwarii-- == 0) {
        throw std::bad_alloc();
    }
    if (void* blok = std::malloc(ile == 0 ? 1 : ile)) {
        return blok;
    }
    throw std::bad_alloc();
}
void operator delete(void* blok) noexcept { std::free(blok); }
void operator delete(void* blok, std::size_t) noexcept { std::free(blok); }

namespace {

// Reads the list back through both accessors and checks that the first position past the end
// throws from both, with the documented message.
std::vector<int> zawartosc(LinkedLista& lista) {
    std::vector<int> wynik;
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

using Wartosci = std::vector<int>;

}  // namespace

TEST(LinkedLista, KeepsValuesInOrderAndRejectsOtherPositions) {
    for (const Wartosci& wartosci :
         {Wartosci{}, Wartosci{4, 8, 15}, Wartosci{-5, -5, 0}, Wartosci{INT_MIN, INT_MAX, 0}}) {
        LinkedLista lista;
        for (int wartosc : wartosci) {
            lista.dodaj(wartosc);
        }
        EXPECT_EQ(zawartosc(lista), wartosci);
    }
}

TEST(LinkedLista, ReferenceWritesThroughToOneNode) {
    LinkedLista lista;
    for (int wartosc : {4, 8, 15}) {
        lista.dodaj(wartosc);
    }
    lista[1] = 99;
    lista.pobierz(2) += 1;
    EXPECT_EQ(zawartosc(lista), (Wartosci{4, 99, 16}));
}

TEST(LinkedLista, ClearEmptiesAndTheListGrowsAgain) {
    LinkedLista lista;
    lista.wyczysc();
    for (int wartosc : {4, 8, 15}) {
        lista.dodaj(wartosc);
    }
    lista.wyczysc();
    lista.wyczysc();
    EXPECT_EQ(zawartosc(lista), Wartosci{});
    lista.dodaj(7);
    EXPECT_EQ(zawartosc(lista), Wartosci{7});
}  // the destructor runs after clears: a double free or a leak fails under the sanitizers

TEST(LinkedLista, FailedAppendLeavesTheListAsItWas) {
    for (const Wartosci& wartosci : {Wartosci{}, Wartosci{4, 8}}) {
        LinkedLista lista;
        for (int wartosc : wartosci) {
            lista.dodaj(wartosc);
        }
        doAwarii = 0;
        EXPECT_THROW(lista.dodaj(15), std::bad_alloc);
        EXPECT_EQ(zawartosc(lista), wartosci);
        lista.dodaj(15);
        EXPECT_EQ(zawartosc(lista).back(), 15);
    }
}

// Fails each allocation of a run in turn. Every run must end with the full report, or with one
// error line and status 1; the three node allocations must end with the out-of-memory error.
TEST(Program, EveryFailedAllocationEndsInOneErrorLine) {
    const std::string zacheta = " Podaj trzy liczby, a ja dodam je do listy\n";
    int brakiPamieci = 0;
    for (long n = 0;; ++n) {
        std::istringstream wejscie("4 8 15\n");
        std::ostringstream wyjscie;
        std::ostringstream bledy;
        doAwarii = n;
        const int status = uruchom(wejscie, wyjscie, bledy);
        const bool zawiodla = doAwarii < 0;
        doAwarii = -1;
        if (!zawiodla) {
            EXPECT_EQ(status, 0);
            EXPECT_EQ(bledy.str(), "");
            break;
        }
        EXPECT_EQ(status, 1) << n;
        if (bledy.str() == "Błąd: brak pamięci\n") {
            ++brakiPamieci;
            EXPECT_EQ(wyjscie.str(), zacheta);
        } else {
            EXPECT_EQ(bledy.str(), "Błąd: zapis na standardowe wyjście nie powiódł się\n") << n;
        }
    }
    EXPECT_EQ(brakiPamieci, 3);
}
