// The Windows console: the program's only calls to it, fenced here. Built on Windows alone.
#include "konsola.hpp"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <array>
#include <cstddef>
#include <iostream>
#include <iterator>
#include <string>

namespace {

bool konsola(DWORD strumien) {
    DWORD tryb = 0;
    return GetConsoleMode(GetStdHandle(strumien), &tryb) != 0;
}

// Writes UTF-16 to a console, all of it: false when the console refuses.
bool napisz(HANDLE dokad, const std::wstring& tekst) {
    for (std::size_t zapisano = 0; zapisano < tekst.size();) {
        DWORD ile = 0;
        const auto reszta = static_cast<DWORD>(tekst.size() - zapisano);
        if (WriteConsoleW(dokad, std::next(tekst.data(), static_cast<std::ptrdiff_t>(zapisano)),
                          reszta, &ile, nullptr) == 0 ||
            ile == 0) {
            return false;
        }
        zapisano += ile;
    }
    return true;
}

// The program's UTF-8, kept as it is written and shown on the console as UTF-16 at each flush.
// The C runtime would pass the bytes on one by one through its own locale, and consoles before
// Windows 10 show code page 65001 badly. The program flushes whole strings only, at the end of an
// error line and of each piece of a line of the report, so no character is cut in two.
class ZnakiKonsoli : public std::streambuf {
public:
    explicit ZnakiKonsoli(HANDLE konsola) : dokad(konsola) {}

protected:
    int_type overflow(int_type znak) override {
        if (!traits_type::eq_int_type(znak, traits_type::eof())) {
            tekst.push_back(traits_type::to_char_type(znak));
        }
        return traits_type::not_eof(znak);
    }

    int sync() override {
        std::wstring szerokie;
        if (!tekst.empty()) {
            const auto ile = static_cast<int>(tekst.size());
            const int dlugosc = MultiByteToWideChar(CP_UTF8, 0, tekst.data(), ile, nullptr, 0);
            szerokie.resize(static_cast<std::size_t>(dlugosc));
            MultiByteToWideChar(CP_UTF8, 0, tekst.data(), ile, szerokie.data(), dlugosc);
            tekst.clear();
        }
        std::wstring wiersze;  // each line ended by CR LF, as the C runtime ends them
        for (const wchar_t znak : szerokie) {
            if (znak == L'\n') {
                wiersze += L'\r';
            }
            wiersze += znak;
        }
        return napisz(dokad, wiersze) ? 0 : -1;
    }

private:
    HANDLE dokad;
    std::string tekst;
};

}  // namespace

Konsola::Konsola() {
    if (konsola(STD_OUTPUT_HANDLE)) {
        wyjscie = std::make_unique<ZnakiKonsoli>(GetStdHandle(STD_OUTPUT_HANDLE));
        poprzednieWyjscie = std::cout.rdbuf(wyjscie.get());
    }
    if (konsola(STD_ERROR_HANDLE)) {
        bledy = std::make_unique<ZnakiKonsoli>(GetStdHandle(STD_ERROR_HANDLE));
        poprzednieBledy = std::cerr.rdbuf(bledy.get());
    }
}

Konsola::~Konsola() {
    if (wyjscie) {
        std::cout.rdbuf(poprzednieWyjscie);
    }
    if (bledy) {
        std::cerr.rdbuf(poprzednieBledy);
    }
}

void Konsola::czekaj() const {
    // A shell shares its console with what it starts. Alone, the program has the console Windows
    // made for it, and takes the window with it when it ends. With its input or output elsewhere,
    // something else reads or feeds it.
    std::array<DWORD, 2> procesy{};
    if (!wyjscie || !konsola(STD_INPUT_HANDLE) ||
        GetConsoleProcessList(procesy.data(), static_cast<DWORD>(procesy.size())) != 1) {
        return;
    }
    napisz(GetStdHandle(STD_OUTPUT_HANDLE), L"Naciśnij Enter, aby zamknąć okno.\r\n");
    wchar_t znak = 0;
    DWORD ile = 0;
    while (ReadConsoleW(GetStdHandle(STD_INPUT_HANDLE), &znak, 1, &ile, nullptr) != 0 && ile == 1 &&
           znak != L'\n') {
    }
}
