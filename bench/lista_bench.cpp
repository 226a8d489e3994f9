#include <benchmark/benchmark.h>

#include <forward_list>
#include <iterator>

#include "linked_lista.hpp"

// std::forward_list doing the same work the same way: it keeps no tail either, so an append
// walks to the end, and the last element is reached by stepping from the front.
namespace {

void dodaj(LinkedLista& lista, int wartosc) { lista.dodaj(wartosc); }
void dodaj(std::forward_list<int>& lista, int wartosc) {
    auto ostatni = lista.before_begin();
    while (std::next(ostatni) != lista.end()) {
        ++ostatni;
    }
    lista.insert_after(ostatni, wartosc);
}

int& pobierz(LinkedLista& lista, int index) { return lista.pobierz(index); }
int& pobierz(std::forward_list<int>& lista, int index) { return *std::next(lista.begin(), index); }

template <class Lista>
void Dodaj(benchmark::State& stan) {
    const auto n = static_cast<int>(stan.range(0));
    for (auto _ : stan) {
        Lista lista;
        for (int i = 0; i < n; ++i) {
            dodaj(lista, i);
        }
        benchmark::DoNotOptimize(&lista);
        benchmark::ClobberMemory();
    }
}

template <class Lista>
void PobierzOstatni(benchmark::State& stan) {
    const auto n = static_cast<int>(stan.range(0));
    Lista lista;
    for (int i = 0; i < n; ++i) {
        dodaj(lista, i);
    }
    for (auto _ : stan) {
        benchmark::DoNotOptimize(pobierz(lista, n - 1));
    }
}

}  // namespace

BENCHMARK_TEMPLATE(Dodaj, LinkedLista)->Arg(10)->Arg(1000)->Arg(10000);
BENCHMARK_TEMPLATE(Dodaj, std::forward_list<int>)->Arg(10)->Arg(1000)->Arg(10000);
BENCHMARK_TEMPLATE(PobierzOstatni, LinkedLista)->Arg(10)->Arg(1000)->Arg(10000);
BENCHMARK_TEMPLATE(PobierzOstatni, std::forward_list<int>)->Arg(10)->Arg(1000)->Arg(10000);

BENCHMARK_MAIN();
