// How long one page takes to compose: the thirteen draws and the joined
// texts, and on top of that the four picture file names the window loads.

#include "composer.h"
#include "picturefiles.h"
#include "randomsource.h"

#include <benchmark/benchmark.h>

namespace {

// A fixed seed keeps runs comparable; the mix of drawn entries still varies
// from page to page as it does between starts of the program.
constexpr std::uint64_t Seed = 20240601;

void composePage(benchmark::State& state)
{
    velmo::RandomSource source;
    source.seed(Seed);
    for (auto _ : state) {
        velmo::PageContent page = velmo::composePage(source);
        benchmark::DoNotOptimize(page);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(composePage);

void composePageWithPictureNames(benchmark::State& state)
{
    velmo::RandomSource source;
    source.seed(Seed);
    const std::u16string folder = u"/usr/local/lib/velmo-newspaper";
    for (auto _ : state) {
        const velmo::PageContent page = velmo::composePage(source);
        for (const velmo::PagePicture& picture : velmo::pagePictures(page, folder)) {
            std::u16string name = velmo::hostFileName(picture.fileName);
            benchmark::DoNotOptimize(name);
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(composePageWithPictureNames);

} // namespace

BENCHMARK_MAIN();
