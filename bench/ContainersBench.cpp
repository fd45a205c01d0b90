#include "zelk/vector/BinaryTree.h"
#include "zelk/vector/Stack.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>
#include <vector>

using zelk::vector::BinaryTree;
using zelk::vector::Stack;

namespace {

// The keys 1..n, shuffled with a fixed seed or in ascending order.
std::vector<unsigned int> keys(benchmark::State& state) {
    std::vector<unsigned int> values(static_cast<size_t>(state.range(0)));
    std::iota(values.begin(), values.end(), 1u);
    if (state.range(1) != 0) {
        std::shuffle(values.begin(), values.end(), std::mt19937(12345));
    }
    state.SetLabel(state.range(1) != 0 ? "random" : "sorted");
    return values;
}

void BM_TreeAdd(benchmark::State& state) {
    std::vector<unsigned int> values = keys(state);
    for (auto _ : state) {
        BinaryTree<unsigned int> tree;
        for (unsigned int value : values) {
            tree.add(value);
        }
        benchmark::DoNotOptimize(tree.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SetAdd(benchmark::State& state) {
    std::vector<unsigned int> values = keys(state);
    for (auto _ : state) {
        std::set<unsigned int> set;
        for (unsigned int value : values) {
            set.insert(value);
        }
        benchmark::DoNotOptimize(set.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_TreeLookup(benchmark::State& state) {
    std::vector<unsigned int> values = keys(state);
    BinaryTree<unsigned int> tree;
    for (unsigned int value : values) {
        tree.add(value);
    }
    std::vector<unsigned int> probes = values;
    std::shuffle(probes.begin(), probes.end(), std::mt19937(54321));
    for (auto _ : state) {
        unsigned int found = 0;
        for (unsigned int probe : probes) {
            found += tree.haveElement(probe);
        }
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SetLookup(benchmark::State& state) {
    std::vector<unsigned int> values = keys(state);
    std::set<unsigned int> set(values.begin(), values.end());
    std::vector<unsigned int> probes = values;
    std::shuffle(probes.begin(), probes.end(), std::mt19937(54321));
    for (auto _ : state) {
        unsigned int found = 0;
        for (unsigned int probe : probes) {
            found += static_cast<unsigned int>(set.count(probe));
        }
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_StackPushGet(benchmark::State& state) {
    unsigned int count = static_cast<unsigned int>(state.range(0));
    for (auto _ : state) {
        Stack<unsigned int> stack;
        for (unsigned int value = 0; value < count; value++) {
            stack.pushBack(value);
        }
        unsigned long long sum = 0;
        for (unsigned int position = 0; position < stack.size(); position++) {
            sum += stack.get(position);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_VectorPushGet(benchmark::State& state) {
    unsigned int count = static_cast<unsigned int>(state.range(0));
    for (auto _ : state) {
        std::vector<unsigned int> vector;
        for (unsigned int value = 0; value < count; value++) {
            vector.push_back(value);
        }
        unsigned long long sum = 0;
        for (unsigned int position = 0; position < vector.size(); position++) {
            sum += vector[position];
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Removes every element, in random or ascending order of position; the
// vector erases, the stack leaves holes (and pops at the end).
void BM_StackRemove(benchmark::State& state) {
    std::vector<unsigned int> order = keys(state);
    unsigned int count = static_cast<unsigned int>(order.size());
    for (auto _ : state) {
        state.PauseTiming();
        Stack<unsigned int> stack;
        for (unsigned int value = 0; value < count; value++) {
            stack.pushBack(value);
        }
        state.ResumeTiming();
        for (unsigned int key : order) {
            benchmark::DoNotOptimize(stack.remove(key - 1));
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_VectorRemove(benchmark::State& state) {
    std::vector<unsigned int> order = keys(state);
    unsigned int count = static_cast<unsigned int>(order.size());
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<unsigned int> vector(count);
        std::iota(vector.begin(), vector.end(), 0u);
        state.ResumeTiming();
        for (unsigned int key : order) {
            auto at = std::find(vector.begin(), vector.end(), key - 1);
            vector.erase(at);
        }
        benchmark::DoNotOptimize(vector.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void sizesAndOrders(benchmark::internal::Benchmark* bench) {
    for (long count : {1000L, 10000L, 100000L}) {
        bench->Args({count, 1});
        bench->Args({count, 0});
    }
}

} // namespace

BENCHMARK(BM_TreeAdd)->Apply(sizesAndOrders)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetAdd)->Apply(sizesAndOrders)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeLookup)->Apply(sizesAndOrders)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetLookup)->Apply(sizesAndOrders)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StackPushGet)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VectorPushGet)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StackRemove)->Apply(sizesAndOrders)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VectorRemove)->Apply(sizesAndOrders)->Unit(benchmark::kMillisecond);
