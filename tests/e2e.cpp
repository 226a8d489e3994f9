// Runs one case of the end-to-end table against the program and compares standard output (or the
// terminal's screen), standard error and exit status exactly; exits 77, for a skipped test, when
// the case needs a terminal and there is none. Starting the program is the one thing done the
// platform's own way, in uruchomProgram().
// Usage: lista_e2e PROGRAM TABLE CASE [EMULATOR ARG...]
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#endif

namespace {

namespace fs = std::filesystem;

struct Przypadek {
    std::vector<std::string> wejscie;  // the bytes given on standard input, a table line each
    std::string zrodlo;  // "": a pipe (a file on Windows) holding them; "&-": closed; "|": a pipe
                         // held open until the program ends; "~": a non-blocking pipe that gets
                         // them a line at a time, with pauses; "=": a file holding them; ">": a
                         // terminal they are typed at; else the path read instead
    std::string cel;     // "": standard output is compared; "|": a pipe nobody reads; else a path
    std::vector<std::size_t> ekranPrzed;  // for each input line, how much of `wyjscie` comes first
    std::vector<std::string> przedProgramem;  // "@ windows" words: they start the program
    bool bezSigpipe = false;                  // started with SIGPIPE ignored
    std::string wyjscie;
    std::string bledy;
    std::string statusy;  // one for each run, each followed by a space
    bool jest = false;
};

struct Wynik {
    std::string statusy;
    std::string wyjscie;
    std::string bledy;
    bool pominiety = false;               // needs a terminal, and there is none
    bool zabity = false;                  // ran past its limit and was killed
    std::chrono::nanoseconds procesor{};  // its CPU time while it could only wait, where told
    long pobudki = 0;  // the times it gave up the CPU of its own accord, where the system tells
};

// Between the pieces of a non-blocking input. A program that waits for them quietly uses next to
// no CPU time in the pause, not a share of a core, and wakes a few times, not once a millisecond.
constexpr std::chrono::milliseconds pauza{1000};
constexpr long pobudekNajwyzej = 40;

// The runner kills a program that runs past this, so that it can still remove the case's
// directory and say why the case failed; CTest's TIMEOUT is only the outer bound. A program whose
// input is held open, or who is typed at, should end at once, so it fails sooner; at a terminal
// the limit runs from the last key. Wine's first start takes seconds.
std::chrono::milliseconds limitCzasu(const Przypadek& przypadek) {
    return przypadek.zrodlo == "|" || przypadek.zrodlo == "~" || przypadek.zrodlo == ">"
               ? std::chrono::seconds(3)
               : std::chrono::seconds(30);
}

constexpr int szesnastkowa = 16;
constexpr int kodPominiecia = 77;  // what CTest is told to take for a skipped test

// The escapes the table's input lines use: \n \t \r \v \f \\, \0 for NUL and \xHH for any byte.
std::string odkoduj(std::string_view tekst) {
    std::string bajty;
    for (std::size_t i = 0; i < tekst.size(); ++i) {
        if (tekst[i] != '\\' || i + 1 == tekst.size()) {
            bajty += tekst[i];
            continue;
        }
        const char znak = tekst[++i];
        switch (znak) {
            case 'n':
                bajty += '\n';
                break;
            case 't':
                bajty += '\t';
                break;
            case 'r':
                bajty += '\r';
                break;
            case 'v':
                bajty += '\v';
                break;
            case 'f':
                bajty += '\f';
                break;
            case '0':
                bajty += '\0';
                break;
            case 'x':
                bajty += static_cast<char>(
                    std::stoi(std::string(tekst.substr(i + 1, 2)), nullptr, szesnastkowa));
                i += 2;
                break;
            default:
                bajty += znak;
        }
    }
    return bajty;
}

// The bytes of a "< text" line, or of a "<*N text" line, N times over.
std::string wejscie(const std::string& wiersz) {
    const std::size_t odstep = wiersz.find(' ');
    const std::size_t razy = wiersz[1] == '*' ? std::stoul(wiersz.substr(2, odstep - 2)) : 1;
    const std::string kawalek = odkoduj(std::string_view(wiersz).substr(odstep + 1));
    std::string bajty;
    for (std::size_t i = 0; i < razy; ++i) {
        bajty += kawalek;
    }
    return bajty;
}

Przypadek wczytajPrzypadek(std::istream& plik, const std::string& nazwa) {
    Przypadek przypadek;
    for (std::string wiersz; std::getline(plik, wiersz);) {
        const auto ma = [&wiersz](std::string_view poczatek) {
            return wiersz.rfind(poczatek, 0) == 0;
        };
        if (ma("== ")) {
            if (przypadek.jest) {
                break;
            }
            przypadek.jest = wiersz.substr(3) == nazwa;
        } else if (!przypadek.jest) {
            continue;
        } else if (ma("< ") || ma("<*")) {
            przypadek.wejscie.push_back(wejscie(wiersz));
            przypadek.ekranPrzed.push_back(przypadek.wyjscie.size());
        } else if (ma("0<")) {  // "0< path", or a kind of its own: "0<&-", "0<|", "0<>"...
            przypadek.zrodlo = wiersz.substr(ma("0< ") ? 3 : 2);
        } else if (ma("1>")) {  // "1> path", or "1>|"
            przypadek.cel = wiersz.substr(ma("1> ") ? 3 : 2);
        } else if (ma("@ windows")) {
            std::istringstream slowa(wiersz.substr(9));
            przypadek.przedProgramem.assign(std::istream_iterator<std::string>(slowa), {});
        } else if (ma("! SIGPIPE")) {
            przypadek.bezSigpipe = true;
        } else if (ma("1| ")) {
            przypadek.wyjscie += wiersz.substr(3) + '\n';
        } else if (ma("2| ")) {
            przypadek.bledy += wiersz.substr(3) + '\n';
        } else if (ma("? ")) {
            przypadek.statusy += std::to_string(std::stoi(wiersz.substr(2))) + ' ';
        }
    }
    return przypadek;
}

std::string zawartosc(const fs::path& sciezka) {
    std::ifstream plik(sciezka, std::ios::binary);
    return {std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>()};
}

#ifdef _WIN32

// Windows writes its line ends as CRLF; they count as the same lines.
std::string jakoLinie(std::string tekst) {
    for (std::size_t i; (i = tekst.find("\r\n")) != std::string::npos;) {
        tekst.erase(i, 1);
    }
    return tekst;
}

Wynik uruchomProgram(const std::vector<std::string>& polecenie, const Przypadek& przypadek,
                     const fs::path& katalog) {
    const std::string& program = polecenie.back();  // no emulator runs a Windows runner
    if (przypadek.zrodlo == ">") {                  // no pseudo-terminal for a console here
        Wynik wynik;
        wynik.pominiety = true;
        return wynik;
    }
    const fs::path wejscie = katalog / "stdin";
    const fs::path wyjscie = katalog / "stdout";
    const fs::path bledy = katalog / "stderr";
    std::ofstream plik(wejscie, std::ios::binary);
    for (const std::string& kawalek : przypadek.wejscie) {
        plik << kawalek;
    }
    plik.close();
    SECURITY_ATTRIBUTES dziedziczone{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const auto otworz = [&](const fs::path& sciezka, DWORD dostep, DWORD jak) {
        return CreateFileW(sciezka.c_str(), dostep, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           &dziedziczone, jak, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    STARTUPINFOW start{};
    start.cb = sizeof(start);
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = otworz(wejscie, GENERIC_READ, OPEN_EXISTING);
    start.hStdOutput = otworz(wyjscie, GENERIC_WRITE, CREATE_ALWAYS);
    start.hStdError = otworz(bledy, GENERIC_WRITE, CREATE_ALWAYS);
    std::wstring linia = L"\"" + fs::path(program).wstring() + L"\"";
    PROCESS_INFORMATION proces{};
    Wynik wynik;
    if (CreateProcessW(nullptr, linia.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start,
                       &proces)) {
        const auto limit = static_cast<DWORD>(limitCzasu(przypadek).count());
        if (WaitForSingleObject(proces.hProcess, limit) == WAIT_TIMEOUT) {
            TerminateProcess(proces.hProcess, EXIT_FAILURE);
            WaitForSingleObject(proces.hProcess, INFINITE);
            wynik.zabity = true;
        }
        DWORD status = 0;
        GetExitCodeProcess(proces.hProcess, &status);
        wynik.statusy = std::to_string(status) + ' ';
        CloseHandle(proces.hThread);
        CloseHandle(proces.hProcess);
    } else {
        std::cerr << "cannot start " << program << ": error " << GetLastError() << '\n';
    }
    CloseHandle(start.hStdInput);
    CloseHandle(start.hStdOutput);
    CloseHandle(start.hStdError);
    wynik.wyjscie = jakoLinie(zawartosc(wyjscie));
    wynik.bledy = jakoLinie(zawartosc(bledy));
    return wynik;
}

#else

// What a terminal shows of the bytes written to it, line by line, without the blanks at the end
// of a line or the empty lines after the last. It knows what these programs write, and what
// echoes and wine's console draw with: CR, LF, a backspace over the character before (macOS
// echoes Ctrl+D as "^D" and two of them), and escape sequences, of which only "cursor forward"
// shows, as blanks.
std::string widok(std::string_view bajty) {
    std::string tekst;
    for (std::size_t i = 0; i < bajty.size(); ++i) {
        if (bajty.compare(i, 2, "\x1b[") == 0) {
            const std::size_t koniec =
                std::min(bajty.find_first_not_of("0123456789;?", i + 2), bajty.size() - 1);
            const std::string liczba(bajty.substr(i + 2, koniec - i - 2));
            if (bajty[koniec] == 'C') {
                tekst.append(liczba.empty() ? 1 : std::stoul(liczba), ' ');
            }
            i = koniec;
        } else if (bajty[i] == '\b' && !tekst.empty() && tekst.back() != '\n') {
            tekst.pop_back();
        } else if (bajty[i] != '\r' && bajty[i] != '\b') {
            tekst += bajty[i];
        }
    }
    std::string ekran;
    std::istringstream wiersze(tekst);
    for (std::string wiersz; std::getline(wiersze, wiersz);) {
        ekran += wiersz.erase(wiersz.find_last_not_of(' ') + 1) + '\n';
    }
    ekran.erase(ekran.find_last_not_of('\n') + 1);
    return ekran.empty() ? ekran : ekran + '\n';
}

// A descriptor the program does not inherit: only what becomes its standard streams reaches it.
int wlasny(int numer) {
    ::fcntl(numer, F_SETFD, FD_CLOEXEC);  // NOLINT(cppcoreguidelines-pro-type-vararg)
    return numer;
}

int otworz(const fs::path& sciezka, int flagi) {
    const int numer = ::open(sciezka.c_str(), flagi, 0666);  // NOLINT(*-pro-type-vararg)
    if (numer < 0) {
        std::perror(sciezka.c_str());
    }
    return wlasny(numer);
}

// A terminal in canonical mode with echo, as a login leaves it: the program's end and the
// runner's; -1 where there is none.
std::array<int, 2> terminal() {
    const int glowny = wlasny(::posix_openpt(O_RDWR | O_NOCTTY));
    termios tryb{};
    if (glowny < 0 || ::grantpt(glowny) != 0 || ::unlockpt(glowny) != 0) {
        return {-1, -1};
    }
    const int podrzedny = otworz(::ptsname(glowny), O_RDWR | O_NOCTTY);  // NOLINT(*-mt-unsafe)
    if (podrzedny < 0 || ::tcgetattr(podrzedny, &tryb) != 0) {
        return {-1, -1};
    }
    tryb.c_iflag |= ICRNL;
    tryb.c_oflag |= OPOST | ONLCR;
    tryb.c_lflag |= ICANON | ECHO | ECHOE | ECHOK | ECHOCTL | ISIG;
    ::tcsetattr(podrzedny, TCSANOW, &tryb);
    return {podrzedny, glowny};
}

// Adds to the screen what comes from the terminal within 10 ms.
void czytaj(int glowny, std::string& ekran) {
    pollfd gotowy{glowny, POLLIN, 0};
    std::array<char, 4096> blok{};
    if (::poll(&gotowy, 1, 10) > 0) {
        const ssize_t ile = ::read(glowny, blok.data(), blok.size());
        ekran.append(blok.data(), static_cast<std::size_t>(std::max<ssize_t>(ile, 0)));
    }
}

// Reads the screen until it shows `tekst` from its top (all of it and no more, where `caly`), or
// for at most `czas`.
void czekajNa(int glowny, std::string& ekran, const std::string& tekst, bool caly,
              std::chrono::milliseconds czas) {
    const auto termin = std::chrono::steady_clock::now() + czas;
    while ((caly ? widok(ekran) != tekst : widok(ekran).rfind(tekst, 0) != 0) &&
           std::chrono::steady_clock::now() < termin) {
        czytaj(glowny, ekran);
    }
}

// In the child: the standard streams as the case gives them (a terminal as its controlling one,
// so that Ctrl+C reaches the program), and the signals as a shell leaves them to what it starts:
// each at its default and none blocked, but SIGPIPE ignored where the case says its launcher does.
[[noreturn]] void wykonaj(std::vector<std::string> polecenie, const std::array<int, 3>& strumienie,
                          const Przypadek& przypadek) {
    if (przypadek.zrodlo == ">") {
        ::setsid();
        ::ioctl(strumienie[0], TIOCSCTTY, 0);  // NOLINT(cppcoreguidelines-pro-type-vararg)
    }
    for (int numer = 0; numer < 3; ++numer) {
        const int strumien = strumienie.at(static_cast<std::size_t>(numer));
        static_cast<void>(strumien < 0 ? ::close(numer) : ::dup2(strumien, numer));
    }
    for (int sygnal = 1; sygnal < NSIG; ++sygnal) {
        std::signal(sygnal, SIG_DFL);  // NOLINT(cert-err33-c): SIGKILL and SIGSTOP refuse it
    }
    std::signal(SIGPIPE, przypadek.bezSigpipe ? SIG_IGN : SIG_DFL);  // NOLINT(cert-err33-c)
    sigset_t zadne{};
    sigemptyset(&zadne);
    ::sigprocmask(SIG_SETMASK, &zadne, nullptr);
    std::vector<char*> argumenty;
    argumenty.reserve(polecenie.size() + 1);
    for (std::string& slowo : polecenie) {
        argumenty.push_back(slowo.data());
    }
    argumenty.push_back(nullptr);
    ::execvp(argumenty.front(), argumenty.data());
    std::perror(argumenty.front());
    ::_exit(EXIT_FAILURE);
}

// The CPU time a process has used, where the system lets another process read it; else zero.
std::chrono::nanoseconds procesor([[maybe_unused]] pid_t proces) {
    timespec czas{};
#if defined(_POSIX_CPUTIME) && _POSIX_CPUTIME >= 0  // not on macOS
    clockid_t zegar{};
    if (::clock_getcpuclockid(proces, &zegar) != 0 || ::clock_gettime(zegar, &czas) != 0) {
        return {};
    }
#endif
    return std::chrono::seconds(czas.tv_sec) + std::chrono::nanoseconds(czas.tv_nsec);
}

// Writes the input; a non-blocking one a table line at a time, with a pause before each but the
// first. Returns the program's CPU time in the second halves of the pauses, when, however busy
// the machine, it has started and read what came before, and can only wait.
std::chrono::nanoseconds podaj(int dokad, const Przypadek& przypadek, pid_t dziecko) {
    std::chrono::nanoseconds wCzekaniu{};
    for (const std::string& kawalek : przypadek.wejscie) {
        if (przypadek.zrodlo == "~" && &kawalek != &przypadek.wejscie.front()) {
            std::this_thread::sleep_for(pauza / 2);
            const auto przed = procesor(dziecko);
            std::this_thread::sleep_for(pauza / 2);
            wCzekaniu += procesor(dziecko) - przed;
        }
        for (std::string_view reszta = kawalek; !reszta.empty();) {
            const ssize_t ile = ::write(dokad, reszta.data(), reszta.size());
            if (ile <= 0) {
                return wCzekaniu;
            }
            reszta.remove_prefix(static_cast<std::size_t>(ile));
        }
    }
    return wCzekaniu;
}

// Types each input line at the terminal once the screen shows what comes before it, a moment
// after the line before, as a person does. Wine's first start takes seconds.
void pisz(int glowny, std::string& ekran, const Przypadek& przypadek) {
    for (std::size_t i = 0; i < przypadek.wejscie.size(); ++i) {
        czekajNa(glowny, ekran, przypadek.wyjscie.substr(0, przypadek.ekranPrzed[i]), false,
                 std::chrono::seconds(30));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        const std::string& klawisze = przypadek.wejscie[i];
        if (::write(glowny, klawisze.data(), klawisze.size()) < 0) {
            std::perror("write");
        }
    }
}

// Waits for the program, and kills it once it runs past its limit, reading the terminal meanwhile
// if there is one. Its status, as a shell gives it, and what the system counted of its wake-ups.
void czekaj(pid_t dziecko, const Przypadek& przypadek, int glowny, std::string& ekran,
            Wynik& wynik) {
    int stan = 0;
    rusage zuzycie{};
    pid_t zakonczone = 0;
    const auto termin = std::chrono::steady_clock::now() + limitCzasu(przypadek);
    while ((zakonczone = ::wait4(dziecko, &stan, WNOHANG, &zuzycie)) == 0) {
        if (std::chrono::steady_clock::now() >= termin) {
            ::kill(dziecko, SIGKILL);
            wynik.zabity = true;
            zakonczone = ::wait4(dziecko, &stan, 0, &zuzycie);
            break;
        }
        if (glowny >= 0) {
            czytaj(glowny, ekran);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    if (zakonczone == dziecko) {
        wynik.statusy +=
            std::to_string(WIFEXITED(stan) ? WEXITSTATUS(stan) : 128 + WTERMSIG(stan)) + ' ';
        // glibc declares the count inside a union, beside a word of the system call's size.
        wynik.pobudki = zuzycie.ru_nvcsw;  // NOLINT(cppcoreguidelines-pro-type-union-access)
    }
}

// Standard input as the case gives it, and the runner's end of it, if any: a pipe's or a
// terminal's.
std::array<int, 2> wejscieDla(const Przypadek& przypadek, const fs::path& katalog) {
    std::array<int, 2> potok{-1, -1};
    if (przypadek.zrodlo == ">") {
        return terminal();
    }
    if (przypadek.zrodlo.empty() || przypadek.zrodlo == "|" || przypadek.zrodlo == "~") {
        if (::pipe(potok.data()) != 0) {
            std::perror("pipe");
        } else if (przypadek.zrodlo == "~") {
            ::fcntl(potok[0], F_SETFL, O_NONBLOCK);  // NOLINT(cppcoreguidelines-pro-type-vararg)
        }
        return {wlasny(potok[0]), wlasny(potok[1])};
    }
    if (przypadek.zrodlo == "=") {
        std::ofstream plik(katalog / "stdin", std::ios::binary);
        for (const std::string& kawalek : przypadek.wejscie) {
            plik << kawalek;
        }
    }
    const fs::path sciezka =
        przypadek.zrodlo == "=" ? katalog / "stdin" : fs::path(przypadek.zrodlo);
    return {przypadek.zrodlo == "&-" ? -1 : otworz(sciezka, O_RDONLY), -1};
}

// Standard output and error as the case gives them.
std::array<int, 2> wyjscieDla(const Przypadek& przypadek, const fs::path& katalog) {
    const int bledy = otworz(katalog / "stderr", O_WRONLY | O_CREAT | O_TRUNC);
    std::array<int, 2> potok{-1, -1};
    if (przypadek.cel != "|") {
        const fs::path sciezka =
            przypadek.cel.empty() ? katalog / "stdout" : fs::path(przypadek.cel);
        return {otworz(sciezka, O_WRONLY | O_CREAT | O_TRUNC), bledy};
    }
    if (::pipe(potok.data()) == 0) {
        ::close(potok[0]);  // its reader has gone before the program starts
    }
    return {wlasny(potok[1]), bledy};
}

Wynik uruchomProgram(const std::vector<std::string>& polecenie, const Przypadek& przypadek,
                     const fs::path& katalog) {
    const bool naTerminalu = przypadek.zrodlo == ">";
    auto [wejscie, podajnik] = wejscieDla(przypadek, katalog);
    Wynik wynik;
    if (naTerminalu && wejscie < 0) {
        wynik.pominiety = true;
        return wynik;
    }
    const auto [wyjscie, bledy] = naTerminalu ? std::array{-1, -1} : wyjscieDla(przypadek, katalog);
    const std::array<int, 3> strumienie =
        naTerminalu ? std::array{wejscie, wejscie, wejscie} : std::array{wejscie, wyjscie, bledy};
    // A program that ends before it reads all of its input must not end the runner.
    std::signal(SIGPIPE, SIG_IGN);  // NOLINT(cert-err33-c)
    std::string ekran;
    // Each run in turn on the same open streams: a second reads on where the first stopped.
    for (auto i = std::count(przypadek.statusy.begin(), przypadek.statusy.end(), ' '); i > 0; --i) {
        const pid_t dziecko = ::fork();
        if (dziecko == 0) {
            wykonaj(polecenie, strumienie, przypadek);
        }
        if (naTerminalu) {
            pisz(podajnik, ekran, przypadek);
        } else if (podajnik >= 0) {
            wynik.procesor = podaj(podajnik, przypadek, dziecko);
            if (przypadek.zrodlo != "|") {  // the end of the input, but where it is held open
                ::close(std::exchange(podajnik, -1));
            }
        }
        czekaj(dziecko, przypadek, naTerminalu ? podajnik : -1, ekran, wynik);
    }
    if (naTerminalu) {  // what the program wrote last may still be on its way
        czekajNa(podajnik, ekran, przypadek.wyjscie, true, std::chrono::seconds(1));
        wynik.wyjscie = widok(ekran);
    } else {
        wynik.wyjscie = przypadek.cel.empty() ? zawartosc(katalog / "stdout") : "";
        wynik.bledy = zawartosc(katalog / "stderr");
    }
    for (const int numer : {wejscie, wyjscie, bledy, podajnik}) {
        if (numer >= 0) {
            ::close(numer);
        }
    }
    return wynik;
}

#endif

bool porownaj(const char* co, const std::string& oczekiwane, const std::string& faktyczne) {
    if (oczekiwane == faktyczne) {
        return true;
    }
    std::cout << "expected " << co << ":\n" << oczekiwane << "actual " << co << ":\n" << faktyczne;
    return false;
}

int sprawdz(const std::vector<std::string>& argumenty) {
    if (argumenty.size() < 4) {
        std::cerr << "usage: lista_e2e PROGRAM TABLE CASE [EMULATOR ARG...]\n";
        return 2;
    }
    const std::string& nazwa = argumenty[3];
    std::ifstream tabela(argumenty[2]);
    const Przypadek przypadek = wczytajPrzypadek(tabela, nazwa);
    if (!przypadek.jest) {
        std::cerr << "no case " << nazwa << " in " << argumenty[2] << '\n';
        return 2;
    }
    const fs::path katalog =
        fs::temp_directory_path() /
        ("lista_e2e." + nazwa + "." +
         std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    fs::create_directories(katalog);
    // Under the emulator that runs the runner, if any: the program is built for the same target.
    std::vector<std::string> polecenie(std::next(argumenty.begin(), 4), argumenty.end());
    polecenie.insert(polecenie.end(), przypadek.przedProgramem.begin(),
                     przypadek.przedProgramem.end());
    polecenie.push_back(argumenty[1]);
    const Wynik wynik = uruchomProgram(polecenie, przypadek, katalog);
    fs::remove_all(katalog);
    if (wynik.pominiety) {
        std::cout << "skipped: there is no pseudo-terminal here\n";
        return kodPominiecia;
    }
    if (wynik.zabity) {
        std::cout << "the program had not ended "
                  << std::chrono::duration<double>(limitCzasu(przypadek)).count()
                  << (przypadek.zrodlo == ">" ? " s after the last key" : " s after it started")
                  << ", so it was killed\n";
        return EXIT_FAILURE;
    }

    bool dobrze = !przypadek.cel.empty() || porownaj("stdout", przypadek.wyjscie, wynik.wyjscie);
    dobrze = porownaj("stderr", przypadek.bledy, wynik.bledy) && dobrze;
    if (przypadek.zrodlo == "~" &&
        (wynik.procesor > pauza / 20 || wynik.pobudki > pobudekNajwyzej)) {
        std::cout << "waiting for the input took "
                  << std::chrono::duration<double, std::milli>(wynik.procesor).count()
                  << " ms of CPU time and " << wynik.pobudki << " wake-ups; the limits are "
                  << (pauza / 20).count() << " ms and " << pobudekNajwyzej << '\n';
        dobrze = false;
    }
    if (wynik.statusy != przypadek.statusy) {
        std::cout << "exit status: expected " << przypadek.statusy << "got " << wynik.statusy
                  << '\n';
        dobrze = false;
    }
    return dobrze ? EXIT_SUCCESS : EXIT_FAILURE;
}

}  // namespace

// A table line that does not read (a status that is no number) or a temporary directory that
// cannot be made ends the runner with its reason, not through std::terminate.
int main(int argc, char** argv) {
    try {
        return sprawdz(std::vector<std::string>(argv, std::next(argv, argc)));
    } catch (const std::exception& e) {
        std::cerr << "lista_e2e: " << e.what() << '\n';
        return 2;
    }
}
