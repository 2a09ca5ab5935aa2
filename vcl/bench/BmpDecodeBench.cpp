// What a page costs in pictures: every page show decodes the 640 x 480
// background, and the glyphs and flags are small paletted or 24-bit files.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "vcl/BmpDecoder.h"

namespace {

void Put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// An uncompressed picture with a grey-ramp palette for 8 bits.
std::string Picture(int width, int height, int bitCount) {
    const int stride = (width * bitCount + 31) / 32 * 4;
    const int paletteSize = bitCount <= 8 ? (1 << bitCount) : 0;
    std::string file = "BM";
    const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(paletteSize) * 4;
    Put32(file, offset + static_cast<std::uint32_t>(stride * height));
    Put32(file, 0);
    Put32(file, offset);
    Put32(file, 40);
    Put32(file, static_cast<std::uint32_t>(width));
    Put32(file, static_cast<std::uint32_t>(height));
    Put16(file, 1);
    Put16(file, static_cast<std::uint32_t>(bitCount));
    for (int i = 0; i < 6; ++i) Put32(file, 0);
    for (int i = 0; i < paletteSize; ++i) Put32(file, static_cast<std::uint32_t>(i * 0x010101));
    for (int i = 0; i < stride * height; ++i) file += static_cast<char>(i * 7);
    return file;
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
