// Runs one case of the end-to-end table against the program and compares standard output,
// standard error and exit status exactly. Usage: lista_e2e PROGRAM TABLE CASE [EMULATOR ARG...]
// Starting the program is the one thing done the platform's own way, in uruchomProgram().
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

namespace {

namespace fs = std::filesystem;

struct Przypadek {
    std::vector<std::string> wejscie;  // the bytes given on standard input, a table line each
    std::string zrodlo;  // "": a pipe (a file on Windows) holding them; "&-": closed; "|": a pipe
                         // held open until the program ends; "~": a non-blocking pipe that gets
                         // them a line at a time, with pauses; else the path read instead
    std::string cel;     // "": standard output is compared; else the path it goes to
    std::string wyjscie;
    std::string bledy;
    int status = -1;
    bool jest = false;
};

struct Wynik {
    int status = -1;
    std::string wyjscie;
    std::string bledy;
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
// input is held open should end at once, so it fails sooner. Wine's first start takes seconds.
std::chrono::milliseconds limitCzasu(const Przypadek& przypadek) {
    return przypadek.zrodlo == "|" || przypadek.zrodlo == "~" ? std::chrono::seconds(3)
                                                              : std::chrono::seconds(30);
}

constexpr int szesnastkowa = 16;

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
        } else if (ma("< ")) {
            przypadek.wejscie.push_back(odkoduj(std::string_view(wiersz).substr(2)));
        } else if (ma("0<&-") || ma("0<|") || ma("0<~")) {
            przypadek.zrodlo = wiersz.substr(2);
        } else if (ma("0< ")) {
            przypadek.zrodlo = wiersz.substr(3);
        } else if (ma("1> ")) {
            przypadek.cel = wiersz.substr(3);
        } else if (ma("1| ")) {
            przypadek.wyjscie += wiersz.substr(3) + '\n';
        } else if (ma("2| ")) {
            przypadek.bledy += wiersz.substr(3) + '\n';
        } else if (ma("? ")) {
            przypadek.status = std::stoi(wiersz.substr(2));
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
        wynik.status = static_cast<int>(status);
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

// In the child: standard stream `numer` becomes `sciezka` opened with `flagi`, and only it.
void przekieruj(int numer, const fs::path& sciezka, int flagi) {
    const int plik = ::open(sciezka.c_str(), flagi, 0666);  // NOLINT(*-pro-type-vararg)
    if (plik < 0 || ::dup2(plik, numer) < 0) {
        std::perror(sciezka.c_str());
        ::_exit(EXIT_FAILURE);
    }
    if (plik != numer) {
        ::close(plik);
    }
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

// Waits for the program, and kills it once it runs past its limit. The status, and what the
// system counted of the program's wake-ups.
Wynik czekaj(pid_t dziecko, const Przypadek& przypadek) {
    Wynik wynik;
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
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (zakonczone == dziecko) {
        wynik.status = WIFEXITED(stan) ? WEXITSTATUS(stan) : 128 + WTERMSIG(stan);
        // glibc declares the count inside a union, beside a word of the system call's size.
        wynik.pobudki = zuzycie.ru_nvcsw;  // NOLINT(cppcoreguidelines-pro-type-union-access)
    }
    return wynik;
}

Wynik uruchomProgram(std::vector<std::string> polecenie, const Przypadek& przypadek,
                     const fs::path& katalog) {
    const fs::path wyjscie = przypadek.cel.empty() ? katalog / "stdout" : fs::path(przypadek.cel);
    const fs::path bledy = katalog / "stderr";
    std::array<int, 2> potok{-1, -1};
    const bool zPotoku =
        przypadek.zrodlo.empty() || przypadek.zrodlo == "|" || przypadek.zrodlo == "~";
    if (zPotoku && ::pipe(potok.data()) != 0) {
        std::perror("pipe");
        return {};
    }
    if (przypadek.zrodlo == "~") {
        ::fcntl(potok[0], F_SETFL, O_NONBLOCK);  // NOLINT(cppcoreguidelines-pro-type-vararg)
    }
    // A program that ends before it reads all of its input must not end the runner.
    std::signal(SIGPIPE, SIG_IGN);  // NOLINT(cert-err33-c)
    const pid_t dziecko = ::fork();
    if (dziecko == 0) {
        if (zPotoku) {
            ::dup2(potok[0], STDIN_FILENO);
            ::close(potok[0]);
            ::close(potok[1]);
        } else if (przypadek.zrodlo == "&-") {
            ::close(STDIN_FILENO);
        } else {
            przekieruj(STDIN_FILENO, przypadek.zrodlo, O_RDONLY);
        }
        przekieruj(STDOUT_FILENO, wyjscie, O_WRONLY | O_CREAT | O_TRUNC);
        przekieruj(STDERR_FILENO, bledy, O_WRONLY | O_CREAT | O_TRUNC);
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
    std::chrono::nanoseconds wCzekaniu{};
    if (zPotoku) {
        ::close(potok[0]);
        wCzekaniu = podaj(potok[1], przypadek, dziecko);
        if (przypadek.zrodlo != "|") {
            ::close(potok[1]);
        }
    }
    Wynik wynik = dziecko > 0 ? czekaj(dziecko, przypadek) : Wynik{};
    wynik.procesor = wCzekaniu;
    if (przypadek.zrodlo == "|") {
        ::close(potok[1]);
    }
    wynik.wyjscie = przypadek.cel.empty() ? zawartosc(wyjscie) : "";
    wynik.bledy = zawartosc(bledy);
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
    polecenie.push_back(argumenty[1]);
    const Wynik wynik = uruchomProgram(polecenie, przypadek, katalog);
    fs::remove_all(katalog);
    if (wynik.zabity) {
        std::cout << "the program had not ended after "
                  << std::chrono::duration<double>(limitCzasu(przypadek)).count()
                  << " s, so it was killed\n";
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
    if (wynik.status != przypadek.status) {
        std::cout << "exit status: expected " << przypadek.status << ", got " << wynik.status
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
