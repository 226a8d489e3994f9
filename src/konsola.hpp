#pragma once

#include <memory>
#include <streambuf>

// The Windows console, while it lives: what std::cout and std::cerr send to a console goes as
// UTF-16, whatever the console's code page, which stays the user's. A file or a pipe gets the
// program's UTF-8 bytes as they are. Elsewhere a terminal takes UTF-8 as it comes, and the shell
// that started the program stays, so nothing of this is built there.
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
