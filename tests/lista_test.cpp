#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <ios>
#include <iterator>
#include <new>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

#include "linked_lista.hpp"
#include "uruchom.hpp"

#ifdef __linux__
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <array>

#include "wejscie.hpp"
#endif

// Allocations left before the next one fails; negative: none fails. The failure is one-shot,
// so a test can fail each allocation of a run in turn. Global, as the operator new it steers is.
static long doAwarii = -1;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

// Every form of operator new and delete is replaced but the aligned ones (std::align_val_t),
// which nothing here uses, so that whatever allocates in this program, the test or GoogleTest, is
// released by the matching form: a sanitizer that checks the pairing sees malloc and free on both
// sides. Each counts towards the planned failure. The static analyzer takes the free inside a
// replaced delete for a second release of what that delete released.
// NOLINTBEGIN(cppcoreguidelines-no-malloc,clang-analyzer-cplusplus.NewDelete)
namespace {
void* przydziel(std::size_t ile) noexcept {
    if (doAwarii == 0) {
        doAwarii = -1;
        return nullptr;
    }
    if (doAwarii > 0) {
        --doAwarii;
    }
    return std::malloc(ile == 0 ? 1 : ile);
}
void* przydzielLubRzuc(std::size_t ile) {
    void* blok = przydziel(ile);
    if (blok == nullptr) {
        throw std::bad_alloc();
    }
    return blok;
}
}  // namespace
void* operator new(std::size_t ile) { return przydzielLubRzuc(ile); }
void* operator new[](std::size_t ile) { return przydzielLubRzuc(ile); }
void* operator new(std::size_t ile, const std::nothrow_t& /*unused*/) noexcept {
    return przydziel(ile);
}
void* operator new[](std::size_t ile, const std::nothrow_t& /*unused*/) noexcept {
    return przydziel(ile);
}
void operator delete(void* blok) noexcept { std::free(blok); }
void operator delete[](void* blok) noexcept { std::free(blok); }
void operator delete(void* blok, std::size_t /*ile*/) noexcept { std::free(blok); }
void operator delete[](void* blok, std::size_t /*ile*/) noexcept { std::free(blok); }
void operator delete(void* blok, const std::nothrow_t& /*unused*/) noexcept { std::free(blok); }
void operator delete[](void* blok, const std::nothrow_t& /*unused*/) noexcept { std::free(blok); }
// NOLINTEND(cppcoreguidelines-no-malloc,clang-analyzer-cplusplus.NewDelete)

namespace {

using Wartosci = std::vector<int>;

const std::string zacheta = " Podaj trzy liczby, a ja dodam je do listy\n";

// Passes the first `limit` bytes, then fails: as input it gives them and then throws, as
// libstdc++'s file buffer does on a failed read and standard input's buffer does here; as output
// it takes them and then refuses every byte.
class Awaria : public std::streambuf {
public:
    Awaria(std::string tekst, std::size_t ile) : dane(std::move(tekst)), limit(ile) {}
    [[nodiscard]] const std::string& zapisane() const { return dane; }

protected:
    int_type underflow() override {
        if (gptr() != nullptr || limit == 0) {
            throw std::ios_base::failure("read");
        }
        setg(dane.data(), dane.data(), std::next(dane.data(), static_cast<std::ptrdiff_t>(limit)));
        return traits_type::to_int_type(dane[0]);
    }
    int_type overflow(int_type znak) override {
        if (dane.size() >= limit) {
            return traits_type::eof();
        }
        dane.push_back(traits_type::to_char_type(znak));
        return znak;
    }

private:
    std::string dane;
    std::size_t limit;
};

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
        std::stringbuf wejscie("4 8 15\n");
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

// Fails the input at each byte in turn (before the first number, inside each, right after the
// third one's last digit): each is the read error, never a number cut short.
TEST(Program, EveryFailedReadIsAnError) {
    const std::string tekst = "12 345 6789\n";
    for (std::size_t n = 0; n <= tekst.size(); ++n) {
        Awaria wejscie(tekst, n);
        std::ostringstream wyjscie;
        std::ostringstream bledy;
        const int status = uruchom(wejscie, wyjscie, bledy);
        if (n == tekst.size()) {
            EXPECT_EQ(status, 0) << bledy.str();
            break;
        }
        EXPECT_EQ(status, 1) << n;
        EXPECT_EQ(wyjscie.str(), zacheta) << n;
        EXPECT_EQ(bledy.str(), "Błąd: odczyt ze standardowego wejścia nie powiódł się\n") << n;
    }
}

// Fails the output after each byte in turn: every run that could not write all of its report
// says so with status 1.
TEST(Program, EveryFailedWriteIsAnError) {
    const std::string raport = zacheta +
                               "Rozmiar listy: 3\nPierwszy element listy: 4\n"
                               "Drugi element listy: 8\nTrzeci element listy: 15\n";
    for (std::size_t n = 0; n <= raport.size(); ++n) {
        Awaria cel("", n);
        std::ostream wyjscie(&cel);
        std::stringbuf wejscie("4 8 15\n");
        std::ostringstream bledy;
        const int status = uruchom(wejscie, wyjscie, bledy);
        EXPECT_EQ(cel.zapisane(), raport.substr(0, n));
        if (n == raport.size()) {
            EXPECT_EQ(status, 0) << bledy.str();
            break;
        }
        EXPECT_EQ(status, 1) << n;
        EXPECT_EQ(bledy.str(), "Błąd: zapis na standardowe wyjście nie powiódł się\n") << n;
    }
}

#ifdef __linux__
// A wait on a non-blocking input that fails is a failed read: reading again would only find the
// input empty again, and spin. Linux's poll fails when asked to watch more descriptors than the
// process may open; the writer stays open and writes nothing, so only that failure ends the run.
// A first run, on a pipe that holds the numbers, lets UndefinedBehaviorSanitizer check the types
// the run meets while the process may still open the pipe its check of a type needs.
TEST(Wejscie, FailedWaitIsAFailedRead) {
    for (const bool awaria : {false, true}) {
        std::array<int, 2> potok{};
        ASSERT_EQ(::pipe(potok.data()), 0);
        ::fcntl(potok[0], F_SETFL, O_NONBLOCK);  // NOLINT(cppcoreguidelines-pro-type-vararg)
        const std::string liczby = awaria ? "" : "4 8 15\n";
        ASSERT_EQ(::write(potok[1], liczby.data(), liczby.size()),
                  static_cast<ssize_t>(liczby.size()));
        rlimit przedtem{};
        ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &przedtem), 0);
        rlimit zadnego = przedtem;
        zadnego.rlim_cur = awaria ? 0 : przedtem.rlim_cur;
        Wejscie wejscie(potok[0]);
        std::ostringstream wyjscie;
        std::ostringstream bledy;
        ::alarm(10);  // a spin ends the test, failed, rather than hang it
        ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &zadnego), 0);
        const int status = uruchom(wejscie, wyjscie, bledy);
        ::setrlimit(RLIMIT_NOFILE, &przedtem);
        ::alarm(0);
        ::close(potok[0]);
        ::close(potok[1]);
        EXPECT_EQ(status, awaria ? 1 : 0);
        EXPECT_EQ(bledy.str(),
                  awaria ? "Błąd: odczyt ze standardowego wejścia nie powiódł się\n" : "");
    }
}
#endif
