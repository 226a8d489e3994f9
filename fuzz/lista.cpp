// Drives the list with a sequence of operations decoded from the input and checks it after each
// step against a std::vector model.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "linked_lista.hpp"

namespace {

void sprawdz(bool warunek, const char* opis) {
    if (!warunek) {
        std::cerr << "check failed: " << opis << std::endl;
        std::abort();
    }
}

// Reads position `index` through one accessor; returns the element, or null when the list
// rightly threw.
int* dostep(LinkedLista& lista, bool nawiasy, int index, const std::vector<int>& model) {
    const bool wZakresie = index >= 0 && static_cast<std::size_t>(index) < model.size();
    try {
        int& element = nawiasy ? lista[index] : lista.pobierz(index);
        sprawdz(wZakresie, "a position outside the list returned an element");
        sprawdz(element == model[static_cast<std::size_t>(index)],
                "element differs from the model");
        return &element;
    } catch (const std::out_of_range& e) {
        sprawdz(!wZakresie, "a position inside the list threw");
        sprawdz(std::string(e.what()) == "Out of bounds error", "wrong out-of-range message");
        return nullptr;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    FuzzedDataProvider bajty(dane, rozmiar);
    LinkedLista lista;
    std::vector<int> model;
    while (bajty.remaining_bytes() > 0) {
        const int dlugosc = static_cast<int>(model.size());
        switch (bajty.ConsumeIntegralInRange(0, 2)) {
            case 0: {
                const int wartosc = bajty.ConsumeIntegral<int>();
                lista.dodaj(wartosc);
                model.push_back(wartosc);
                break;
            }
            case 1: {
                const bool nawiasy = bajty.ConsumeBool();
                const bool zapis = bajty.ConsumeBool();
                // Mostly just inside and just outside both ends, sometimes anywhere at all.
                const int index = bajty.ConsumeBool()
                                      ? bajty.ConsumeIntegral<int>()
                                      : bajty.ConsumeIntegralInRange(-2, dlugosc + 1);
                int* element = dostep(lista, nawiasy, index, model);
                if (element != nullptr && zapis) {
                    *element = model[static_cast<std::size_t>(index)] =
                        bajty.ConsumeIntegral<int>();
                }
                break;
            }
            default:
                lista.wyczysc();
                model.clear();
        }
        sprawdz(lista.rozmiar() == static_cast<int>(model.size()), "size differs from the model");
    }
    for (int i = -1; i <= static_cast<int>(model.size()); ++i) {
        dostep(lista, i % 2 == 0, i, model);
    }
    return 0;
}
