#pragma once

#include <stdexcept>

// One node of the list. The list alone creates, walks and frees nodes; a node owns nothing.
struct Para {
    int dana;
    Para* nastepna = nullptr;

    explicit Para(int wartosc) : dana(wartosc) {}
};

// A singly linked list of ints that owns its nodes. It keeps no tail pointer and no cached
// position: every append and every positional access walks the chain from `poczatek`.
class LinkedLista {
public:
    LinkedLista() = default;
    ~LinkedLista() { wyczysc(); }

    // A member-wise copy would leave two lists owning, and later freeing, one chain. Nothing
    // needs to move a list, so moves are not offered either.
    LinkedLista(const LinkedLista&) = delete;
    LinkedLista& operator=(const LinkedLista&) = delete;
    LinkedLista(LinkedLista&&) = delete;
    LinkedLista& operator=(LinkedLista&&) = delete;

    // Strong guarantee: the node is allocated before anything changes, so a failed
    // allocation leaves the list exactly as it was.
    void dodaj(int wartosc) {
        Para* nowaPara = new Para(wartosc);
        if (poczatek == nullptr) {
            poczatek = nowaPara;
        } else {
            Para* tmp = poczatek;
            while (tmp->nastepna != nullptr) {
                tmp = tmp->nastepna;
            }
            tmp->nastepna = nowaPara;
        }
        ++_rozmiar;
    }

    [[nodiscard]] int rozmiar() const noexcept { return _rozmiar; }

    // The walk alone decides whether the position exists; a negative index never matches.
    int& pobierz(int index) {
        int i = 0;
        for (Para* tmp = poczatek; tmp != nullptr; tmp = tmp->nastepna) {
            if (i == index) {
                return tmp->dana;
            }
            ++i;
        }
        throw std::out_of_range("Out of bounds error");
    }

    int& operator[](int index) { return pobierz(index); }

    void wyczysc() noexcept {
        Para* tmp = poczatek;
        while (tmp != nullptr) {
            Para* nastepna = tmp->nastepna;  // read before the node is gone
            delete tmp;
            tmp = nastepna;
        }
        poczatek = nullptr;
        _rozmiar = 0;
    }

private:
    Para* poczatek = nullptr;
    int _rozmiar = 0;
};
