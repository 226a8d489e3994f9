// The program's only calls to the operating system, fenced here.
#include "konsola.hpp"

#include <array>
#include <cerrno>
#include <cstddef>
#include <ios>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

namespace {

// There is one standard input, so one buffer, in zeroed static storage: a buffer in the object
// would cost clearing 64 KiB at every start.
constexpr std::size_t pojemnosc = 65536;  // what one read of a pipe gives at most
std::array<char, pojemnosc> bufor;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

// One read of standard input: the count read, 0 at its end, or -1 with errno set.
long czytaj(char* dokad, unsigned ile) {
#ifdef _WIN32
    return _read(0, dokad, ile);
#else
    for (;;) {
        const long przeczytano = ::read(0, dokad, ile);
        if (przeczytano >= 0) {
            return przeczytano;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            return -1;
        }
        // A parent left the input non-blocking: wait for data rather than take its absence
        // for an end or an error.
        pollfd czekaj{0, POLLIN, 0};
        while (::poll(&czekaj, 1, -1) < 0 && errno == EINTR) {
        }
    }
#endif
}

}  // namespace

WejscieStandardowe::int_type WejscieStandardowe::underflow() {
    if (koniec) {
        return traits_type::eof();
    }
    const long ile = czytaj(bufor.data(), static_cast<unsigned>(bufor.size()));
    if (ile < 0) {
        throw std::ios_base::failure("read", std::error_code(errno, std::generic_category()));
    }
    if (ile == 0) {
        koniec = true;
        return traits_type::eof();
    }
    setg(bufor.data(), bufor.data(), std::next(bufor.data(), ile));
    return traits_type::to_int_type(bufor[0]);
}

int WejscieStandardowe::sync() {
    // A file shared with the next reader, as in `{ lista; lista; } < plik`, is left just past what
    // the run took, as head(1) leaves it. A pipe or a terminal cannot seek: what it gave is gone,
    // and nothing is wrong. Windows reads a file in text mode, where CR LF comes as one byte, so
    // the count in the buffer is no offset in the file, and nothing is given back there.
#ifndef _WIN32
    const off_t reszta = egptr() - gptr();
    if (reszta > 0 && ::lseek(0, -reszta, SEEK_CUR) >= 0) {
        setg(eback(), egptr(), egptr());
    }
#endif
    return 0;
}

#ifdef _WIN32

namespace {

bool konsola(DWORD strumien) {
    DWORD tryb = 0;
    return GetConsoleMode(GetStdHandle(strumien), &tryb) != 0;
}

}  // namespace

KonsolaUtf8::KonsolaUtf8() {
    if (konsola(STD_OUTPUT_HANDLE) || konsola(STD_ERROR_HANDLE)) {
        poprzednia = GetConsoleOutputCP();
        SetConsoleOutputCP(CP_UTF8);
    }
}

KonsolaUtf8::~KonsolaUtf8() {
    if (poprzednia != 0) {
        SetConsoleOutputCP(poprzednia);
    }
}

#endif
