// libFuzzer target for the BMP decoder: any input either decodes to a
// picture within the limits, every pixel opaque, or is refused with a
// reason; the sanitizers catch any read outside the input.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "vcl/BmpDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tavrik::vcl::DecodedBitmap picture;
    std::string error;
    if (!tavrik::vcl::DecodeBmp(data, size, picture, error)) {
        if (error.empty() || !picture.bgra.empty()) std::abort();
        return 0;
    }
    const std::int64_t pixels = static_cast<std::int64_t>(picture.width) * picture.height;
    if (picture.width <= 0 || picture.height <= 0 || pixels > tavrik::vcl::kMaxBmpPixels ||
        picture.bgra.size() != static_cast<std::size_t>(pixels) * 4) {
        std::abort();
    }
    for (std::size_t i = 3; i < picture.bgra.size(); i += 4) {
        if (picture.bgra[i] != 255) std::abort();
    }
    return 0;
}
