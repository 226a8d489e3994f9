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
#include <memory>

// The Windows console, while it lives: what std::cout and std::cerr send to a console goes as
// UTF-16, whatever the console's code page, which stays the user's. A file or a pipe gets the
// program's UTF-8 bytes as they are.
class Konsola {
public:
    Konsola();
    ~Konsola();
    Konsola(const Konsola&) = delete;
    Konsola& operator=(const Konsola&) = delete;
    Konsola(Konsola&&) = delete;
    Konsola& operator=(Konsola&&) = delete;

    // Alone on its console, the program was started by no shell but by a double-click or a
    // shortcut, and its window closes when it ends: this keeps the window open until Enter.
    void czekaj() const;

private:
    // The console's own buffers, where the stream is a console, and those they stand in for.
    std::unique_ptr<std::streambuf> wyjscie;
    std::unique_ptr<std::streambuf> bledy;
    std::streambuf* poprzednieWyjscie = nullptr;
    std::streambuf* poprzednieBledy = nullptr;
};
#else
// Elsewhere a terminal takes UTF-8 as it comes, and the shell that started the program stays.
struct Konsola {
    void czekaj() const {}
};
#endif
