#pragma once

#include <streambuf>

// Standard input read straight from the system in large blocks. Each read returns what is there
// (a terminal gives a line at a time), so nothing waits for input past what the reader asks for.
// A read that fails throws std::ios_base::failure instead of passing for the end of the input;
// an interrupted read is retried, and a non-blocking input is waited for. sync() gives back what
// was read ahead, where the input can seek, so the next reader of a shared file starts there.
class WejscieStandardowe : public std::streambuf {
protected:
    int_type underflow() override;
    int sync() override;

private:
    // The end, once read, stays: a terminal would otherwise wait for a second Ctrl+D.
    bool koniec = false;
};

#ifdef _WIN32
// While it lives, a console on standard output or error shows the program's UTF-8 as such: it
// switches the console's output code page to UTF-8 and puts the user's back when it goes. A file
// or a pipe gets the same bytes either way.
class KonsolaUtf8 {
public:
    KonsolaUtf8();
    ~KonsolaUtf8();
    KonsolaUtf8(const KonsolaUtf8&) = delete;
    KonsolaUtf8& operator=(const KonsolaUtf8&) = delete;
    KonsolaUtf8(KonsolaUtf8&&) = delete;
    KonsolaUtf8& operator=(KonsolaUtf8&&) = delete;

private:
    unsigned int poprzednia = 0;  // the code page to restore; 0: none was switched
};
#else
// Elsewhere a terminal takes UTF-8 as it comes.
struct KonsolaUtf8 {};
#endif
