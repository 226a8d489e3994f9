#include <benchmark/benchmark.h>

#include <array>
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
void dodawanie(benchmark::State& stan) {
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
void ostatni(benchmark::State& stan) {
    const auto n = static_cast<int>(stan.range(0));
    Lista lista;
    for (int i = 0; i < n; ++i) {
        dodaj(lista, i);
    }
    for (auto _ : stan) {
        benchmark::DoNotOptimize(pobierz(lista, n - 1));
    }
}

constexpr std::array dlugosci{10, 1000, 10000};

void dlugosciList(benchmark::internal::Benchmark* pomiar) {
    for (const int dlugosc : dlugosci) {
        pomiar->Arg(dlugosc);
    }
}

}  // namespace

BENCHMARK_TEMPLATE(dodawanie, LinkedLista)->Apply(dlugosciList);
BENCHMARK_TEMPLATE(dodawanie, std::forward_list<int>)->Apply(dlugosciList);
BENCHMARK_TEMPLATE(ostatni, LinkedLista)->Apply(dlugosciList);
BENCHMARK_TEMPLATE(ostatni, std::forward_list<int>)->Apply(dlugosciList);

BENCHMARK_MAIN();
