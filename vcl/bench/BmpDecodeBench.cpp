// What a page costs in pictures: every page show decodes the 640 x 480
// background, and the glyphs and flags are small paletted or 24-bit files.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "BmpBuilder.h"
#include "vcl/BmpDecoder.h"

namespace {

// An uncompressed picture with a grey-ramp palette for 8 bits.
std::string Picture(int width, int height, int bitCount) {
    tavrik::vcl::testing::BmpLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitCount = bitCount;
    if (bitCount <= 8) {
        for (std::uint32_t i = 0; i < (1u << bitCount); ++i) layout.palette.push_back(i * 0x010101);
    }
    const int stride = (width * bitCount + 31) / 32 * 4;
    for (int i = 0; i < stride * height; ++i) layout.pixelData += static_cast<char>(i * 7);
    return tavrik::vcl::testing::BuildBmp(layout);
}

void Decode(benchmark::State& state, const std::string& file) {
    tavrik::vcl::DecodedBitmap picture;
    std::string error;
    for (auto _ : state) {
        const bool ok = tavrik::vcl::DecodeBmp(reinterpret_cast<const std::uint8_t*>(file.data()),
                                               file.size(), picture, error);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(picture.bgra.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(file.size()));
}

void PageBackground24(benchmark::State& state) { Decode(state, Picture(640, 480, 24)); }
void PageBackground8(benchmark::State& state) { Decode(state, Picture(640, 480, 8)); }
void Glyph24(benchmark::State& state) { Decode(state, Picture(18, 18, 24)); }
void Flag8(benchmark::State& state) { Decode(state, Picture(49, 41, 8)); }

BENCHMARK(PageBackground24);
BENCHMARK(PageBackground8);
BENCHMARK(Glyph24);
BENCHMARK(Flag8);

}  // namespace

BENCHMARK_MAIN();
