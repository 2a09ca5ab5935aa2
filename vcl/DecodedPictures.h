// Pictures decoded once for every bitmap that loads the same file content.
//
// The pages read their pictures from the medium each time they are shown
// (a picture that changes or disappears on the medium shows as it is then);
// what they read is mostly the same few files, the page background above
// all, so the decoded pixels of recent contents are kept and shared. The key
// is the content itself (its length and its SHA-256 digest, which no medium
// can make two different files share): a file that changes is decoded anew,
// as if nothing were kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "vcl/BmpDecoder.h"

namespace tavrik::vcl {

struct SharedPicture {
    int width = 0;
    int height = 0;
    std::shared_ptr<const std::vector<std::uint8_t>> bgra;
};

// The decoded picture of the file's bytes; false with `error` set when they
// are not a picture the decoder takes or cannot be read (nothing is kept
// for them), or when the picture is larger than `bounds`.
bool DecodeShared(BmpSource& source, SharedPicture& picture, std::string& error,
                  const PictureBounds& bounds = {});

}  // namespace tavrik::vcl
