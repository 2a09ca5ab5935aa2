#include "vcl/BmpDecoder.h"

#include <algorithm>
#include <array>

namespace tavrik::vcl {

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

struct Failure {
    const char* reason;
};

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // positive; topDown tells the order
    bool topDown = false;
    unsigned bitCount = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t colorsUsed = 0;
    std::size_t paletteOffset = 0;
    unsigned paletteEntrySize = 4;
    std::array<std::uint32_t, 3> masks{};  // red, green, blue
    std::size_t pixelOffset = 0;
};

// One colour channel described by a bit mask, scaled to 8 bits.
struct Channel {
    std::uint32_t mask = 0;
    unsigned shift = 0;
    unsigned bits = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (mask == 0) return;
        while (((mask >> shift) & 1u) == 0) ++shift;
        while (shift + bits < 32 && ((mask >> (shift + bits)) & 1u) != 0) ++bits;
    }
    std::uint8_t Extract(std::uint32_t value) const {
        if (bits == 0) return 0;
        const std::uint32_t raw = (value & mask) >> shift;
        const std::uint32_t top = (1u << std::min(bits, 31u)) - 1u;
        if (bits >= 8) return static_cast<std::uint8_t>(raw >> (bits - 8));
        return static_cast<std::uint8_t>((raw * 255u + top / 2) / top);
    }
};

class MemoryBmp final : public BmpSource {
public:
    MemoryBmp(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::size_t Size() const override { return size_; }
    const std::uint8_t* At(std::size_t offset, std::size_t /*length*/) override {
        return data_ + offset;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

class Decoder {
public:
    Decoder(BmpSource& source, const PictureBounds& bounds)
        : source_(source), size_(source.Size()), bounds_(bounds) {}

    void Run(DecodedBitmap& out) {
        ReadHeaders();
        ReadPalette();
        const bool compressed = header_.compression == kBiRle8 || header_.compression == kBiRle4;
        // Check that the rows are all there before allocating for them.
        if (!compressed) Require(header_.pixelOffset, RowsLength());
        out.width = static_cast<int>(header_.width);
        out.height = static_cast<int>(header_.height);
        out.bgra.assign(static_cast<std::size_t>(header_.width * header_.height) * 4, 0);
        for (std::size_t i = 3; i < out.bgra.size(); i += 4) out.bgra[i] = 255;
        pixels_ = &out;
        if (compressed) {
            DecodeRle(header_.compression == kBiRle4);
        } else {
            DecodeRows();
        }
    }

private:
    void Require(std::size_t offset, std::size_t length) const {
        if (offset > size_ || length > size_ - offset) throw Failure{"truncated file"};
    }

    // Valid until the next call.
    const std::uint8_t* At(std::size_t offset, std::size_t length) const {
        Require(offset, length);
        const std::uint8_t* bytes = source_.At(offset, length);
        if (bytes == nullptr) throw Failure{"unreadable file"};
        return bytes;
    }

    void ReadHeaders() {
        if (size_ < kFileHeaderSize + 4) throw Failure{"file too short for a bitmap"};
        const std::uint8_t* file = At(0, kFileHeaderSize + 4);
        if (file[0] != 'B' || file[1] != 'M') throw Failure{"not a bitmap file"};
        const std::uint32_t pixelOffset = U32(file + 10);
        const std::uint32_t headerSize = U32(file + kFileHeaderSize);
        const std::uint8_t* h = At(kFileHeaderSize, headerSize < 4 ? 4 : headerSize);
        if (headerSize == kCoreHeaderSize) {
            header_.width = U16(h + 4);
            header_.height = U16(h + 6);
            if (U16(h + 8) != 1) throw Failure{"bad plane count"};
            header_.bitCount = U16(h + 10);
            header_.paletteEntrySize = 3;
        } else if (headerSize >= kInfoHeaderSize && headerSize <= 4096) {
            header_.width = static_cast<std::int32_t>(U32(h + 4));
            const std::int32_t height = static_cast<std::int32_t>(U32(h + 8));
            header_.topDown = height < 0;
            header_.height = height < 0 ? -static_cast<std::int64_t>(height) : height;
            if (U16(h + 12) != 1) throw Failure{"bad plane count"};
            header_.bitCount = U16(h + 14);
            header_.compression = U32(h + 16);
            header_.colorsUsed = U32(h + 32);
            if (header_.compression == kBiBitfields) {
                // Masks follow a plain info header, or sit inside a larger one.
                const std::uint8_t* m = headerSize >= kInfoHeaderSize + 12
                                            ? h + kInfoHeaderSize
                                            : At(kFileHeaderSize + headerSize, 12);
                header_.masks = {U32(m), U32(m + 4), U32(m + 8)};
            }
        } else {
            throw Failure{"unknown bitmap header"};
        }
        header_.paletteOffset = kFileHeaderSize + headerSize;
        if (header_.compression == kBiBitfields && headerSize == kInfoHeaderSize) {
            header_.paletteOffset += 12;
        }
        header_.pixelOffset = pixelOffset;
        CheckFormat();
    }

    void CheckFormat() {
        const Header& h = header_;
        if (h.width <= 0 || h.height <= 0) throw Failure{"bad dimensions"};
        if (h.width > kMaxBmpSide || h.height > kMaxBmpSide || h.width * h.height > kMaxBmpPixels) {
            throw Failure{"picture too large"};
        }
        if (h.width > bounds_.width || h.height > bounds_.height) {
            throw Failure{"picture larger than its place"};
        }
        switch (h.compression) {
            case kBiRgb:
                if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 16 &&
                    h.bitCount != 24 && h.bitCount != 32) {
                    throw Failure{"unsupported bit count"};
                }
                break;
            case kBiRle8:
                if (h.bitCount != 8) throw Failure{"RLE8 needs 8 bits per pixel"};
                break;
            case kBiRle4:
                if (h.bitCount != 4) throw Failure{"RLE4 needs 4 bits per pixel"};
                break;
            case kBiBitfields:
                if (h.bitCount != 16 && h.bitCount != 32) throw Failure{"bad bit-field depth"};
                break;
            default:
                throw Failure{"unsupported compression"};
        }
        if ((h.compression == kBiRle8 || h.compression == kBiRle4) && h.topDown) {
            throw Failure{"compressed bitmaps cannot be top-down"};
        }
        if (h.pixelOffset < h.paletteOffset || h.pixelOffset > size_) {
            throw Failure{"bad pixel data offset"};
        }
    }

    void ReadPalette() {
        if (header_.bitCount > 8) return;
        const std::size_t maxEntries = std::size_t{1} << header_.bitCount;
        std::size_t entries = header_.colorsUsed == 0 ? maxEntries : header_.colorsUsed;
        if (entries > maxEntries) entries = maxEntries;
        // Some writers announce a full palette but store fewer entries
        // before the pixels; read what is really there.
        const std::size_t room =
            (header_.pixelOffset - header_.paletteOffset) / header_.paletteEntrySize;
        if (entries > room) entries = room;
        if (entries == 0) throw Failure{"missing palette"};
        const std::uint8_t* p = At(header_.paletteOffset, entries * header_.paletteEntrySize);
        palette_.resize(entries);
        for (std::size_t i = 0; i < entries; ++i) {
            const std::uint8_t* e = p + i * header_.paletteEntrySize;
            palette_[i] = {e[0], e[1], e[2]};
        }
    }

    void Put(std::int64_t x, std::int64_t row, std::uint8_t b, std::uint8_t g, std::uint8_t r) {
        // row counts in file order; turn it into a top-down line.
        const std::int64_t y = header_.topDown ? row : header_.height - 1 - row;
        std::uint8_t* p = &pixels_->bgra[static_cast<std::size_t>((y * header_.width + x) * 4)];
        p[0] = b;
        p[1] = g;
        p[2] = r;
    }

    void PutIndex(std::int64_t x, std::int64_t row, unsigned index) {
        // An index beyond the palette shows black rather than failing.
        if (index >= palette_.size()) return Put(x, row, 0, 0, 0);
        const auto& c = palette_[index];
        Put(x, row, c[0], c[1], c[2]);
    }

    std::int64_t Stride() const { return ((header_.width * header_.bitCount + 31) / 32) * 4; }

    std::size_t RowLength() const {
        return static_cast<std::size_t>((header_.width * header_.bitCount + 7) / 8);
    }

    // The uncompressed rows; the last one need not carry its padding.
    std::size_t RowsLength() const {
        return static_cast<std::size_t>(Stride() * (header_.height - 1)) + RowLength();
    }

    void DecodeRows() {
        const Header& h = header_;
        const std::int64_t stride = Stride();
        std::array<std::uint32_t, 3> masks = h.masks;
        if (h.compression == kBiRgb && h.bitCount == 16) masks = {0x7C00, 0x03E0, 0x001F};
        if (h.compression == kBiRgb && h.bitCount == 32) masks = {0xFF0000, 0xFF00, 0xFF};
        const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
        for (std::int64_t row = 0; row < h.height; ++row) {
            const std::uint8_t* line =
                At(h.pixelOffset + static_cast<std::size_t>(row * stride), RowLength());
            for (std::int64_t x = 0; x < h.width; ++x) {
                switch (h.bitCount) {
                    case 1:
                        PutIndex(x, row, (line[x / 8] >> (7 - x % 8)) & 1u);
                        break;
                    case 4:
                        PutIndex(x, row, (line[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xFu);
                        break;
                    case 8:
                        PutIndex(x, row, line[x]);
                        break;
                    case 16: {
                        const std::uint32_t v = U16(line + x * 2);
                        Put(x, row, blue.Extract(v), green.Extract(v), red.Extract(v));
                        break;
                    }
                    case 24:
                        Put(x, row, line[x * 3], line[x * 3 + 1], line[x * 3 + 2]);
                        break;
                    case 32: {
                        const std::uint32_t v = U32(line + x * 4);
                        Put(x, row, blue.Extract(v), green.Extract(v), red.Extract(v));
                        break;
                    }
                    default:
                        break;
                }
            }
        }
    }

    // Run-length data: pairs (count, value), or an escape (0, code):
    // 0 end of line, 1 end of picture, 2 move by (dx, dy), n >= 3 that many
    // literal pixels padded to an even byte count. Pixels outside the
    // picture are dropped; pixels never written stay black. A stream that
    // stops without an end-of-picture mark ends the picture there; one
    // that stops inside a command is truncated.
    void DecodeRle(bool fourBits) {
        const Header& h = header_;
        std::size_t pos = h.pixelOffset;
        std::int64_t x = 0;
        std::int64_t row = 0;
        auto put = [&](unsigned index) {
            if (x < h.width && row < h.height) PutIndex(x, row, index);
            ++x;
        };
        while (pos < size_ && row < h.height) {
            const std::uint8_t* pair = At(pos, 2);
            pos += 2;
            const unsigned count = pair[0];
            const unsigned value = pair[1];
            if (count > 0) {
                for (unsigned i = 0; i < count; ++i) {
                    put(fourBits ? (i % 2 == 0 ? value >> 4 : value & 0xFu) : value);
                }
                continue;
            }
            if (value == 0) {
                x = 0;
                ++row;
            } else if (value == 1) {
                return;
            } else if (value == 2) {
                const std::uint8_t* delta = At(pos, 2);
                pos += 2;
                x += delta[0];
                row += delta[1];
            } else {
                const std::size_t bytes = fourBits ? (value + 1) / 2 : value;
                const std::uint8_t* literal = At(pos, bytes);
                for (unsigned i = 0; i < value; ++i) {
                    put(fourBits ? (i % 2 == 0 ? literal[i / 2] >> 4 : literal[i / 2] & 0xFu)
                                 : literal[i]);
                }
                pos += bytes + (bytes % 2);
            }
        }
    }

    BmpSource& source_;
    std::size_t size_;
    PictureBounds bounds_;
    Header header_;
    std::vector<std::array<std::uint8_t, 3>> palette_;
    DecodedBitmap* pixels_ = nullptr;
};

}  // namespace

bool DecodeBmp(BmpSource& source, DecodedBitmap& out, std::string& error,
               const PictureBounds& bounds) {
    out = DecodedBitmap{};
    error.clear();
    try {
        Decoder(source, bounds).Run(out);
        return true;
    } catch (const Failure& failure) {
        out = DecodedBitmap{};
        error = failure.reason;
        return false;
    }
}

bool DecodeBmp(const std::uint8_t* data, std::size_t size, DecodedBitmap& out, std::string& error,
               const PictureBounds& bounds) {
    if (data == nullptr) {
        out = DecodedBitmap{};
        error = "no data";
        return false;
    }
    MemoryBmp memory(data, size);
    return DecodeBmp(memory, out, error, bounds);
}

}  // namespace tavrik::vcl
