// Reading a file descriptor: the program's only calls to the system for its input, fenced here.
#include "wejscie.hpp"

#include <cerrno>
#include <ios>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

namespace {

// One read: the count read, 0 at the end, or -1 with errno set.
long czytaj(int deskryptor, char* dokad, unsigned ile) {
#ifdef _WIN32
    return _read(deskryptor, dokad, ile);
#else
    for (;;) {
        const long przeczytano = ::read(deskryptor, dokad, ile);
        if (przeczytano >= 0) {
            return przeczytano;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            return -1;
        }
        // A parent left the input non-blocking: wait for data rather than take its absence for an
        // end or an error. A wait that fails is the read's failure: reading again would only meet
        // the same absence, and spin.
        pollfd czekaj{deskryptor, POLLIN, 0};
        int gotowe = 0;
        while ((gotowe = ::poll(&czekaj, 1, -1)) < 0 && errno == EINTR) {
        }
        if (gotowe < 0) {
            return -1;
        }
    }
#endif
}

}  // namespace

Wejscie::int_type Wejscie::underflow() {
    if (koniec) {
        return traits_type::eof();
    }
    const long ile = czytaj(deskryptor, bufor.data(), static_cast<unsigned>(bufor.size()));
    if (ile < 0) {
        throw std::ios_base::failure("read", std::error_code(errno, std::generic_category()));
    }
    if (ile == 0) {
        koniec = true;
        return traits_type::eof();
    }
    setg(bufor.data(), bufor.data(), std::next(bufor.data(), ile));
    // As an int_type: a char 0xFF, where char is signed, would otherwise pass for the end.
    return traits_type::to_int_type(bufor[0]);
}

int Wejscie::sync() {
    // A file shared with the next reader, as in `{ lista; lista; } < plik`, is left just past what
    // the reader took, as head(1) leaves it. A pipe or a terminal cannot seek: what it gave is
    // gone, and nothing is wrong. Windows reads a file in text mode, where CR LF comes as one
    // byte, so the count in the buffer is no offset in the file, and nothing is given back there.
#ifndef _WIN32
    const off_t reszta = egptr() - gptr();
    if (reszta > 0 && ::lseek(deskryptor, -reszta, SEEK_CUR) >= 0) {
        setg(eback(), egptr(), egptr());
    }
#endif
    return 0;
}
