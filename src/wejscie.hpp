#pragma once

#include <array>
#include <cstddef>
#include <streambuf>

// A file descriptor read straight from the system in large blocks: standard input (0) for the
// program, another for a test or a fuzzer. Each read returns what is there (a terminal gives a
// line at a time), so nothing waits for input past what the reader asks for. A read that fails
// throws std::ios_base::failure instead of passing for the end of the input; an interrupted read
// is retried, and a non-blocking input is waited for. sync() gives back what was read ahead,
// where the input can seek, so the next reader of a shared file starts just past what the reader
// took.
class Wejscie : public std::streambuf {
public:
    // The block is left as it comes: clearing 64 KiB would cost the start-up more than all else
    // the run does before its first read.
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-member-init)
    explicit Wejscie(int numer) noexcept : deskryptor(numer) {}
    // The get area points into this object's own block: a copy would read another's.
    Wejscie(const Wejscie&) = delete;
    Wejscie& operator=(const Wejscie&) = delete;
    Wejscie(Wejscie&&) = delete;
    Wejscie& operator=(Wejscie&&) = delete;
    ~Wejscie() override = default;

    static constexpr std::size_t pojemnosc = 65536;  // as much as a Linux pipe holds by default

protected:
    int_type underflow() override;
    int sync() override;

private:
    int deskryptor;
    // The end, once read, stays: a terminal would otherwise wait for a second Ctrl+D.
    bool koniec = false;
    std::array<char, pojemnosc> bufor;
};
