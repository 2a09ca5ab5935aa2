#include "PeBuilder.h"

#include <string>

namespace tavrik::pecheck {

namespace {

constexpr std::uint32_t kSectionRva = 0x1000;

class Bytes {
public:
    std::vector<unsigned char>& data() { return data_; }
    std::size_t size() const { return data_.size(); }

    void Put(std::size_t at, std::uint64_t value, std::size_t width) {
        if (data_.size() < at + width) {
            data_.resize(at + width);
        }
        for (std::size_t i = 0; i < width; ++i) {
            data_[at + i] = static_cast<unsigned char>(value >> (8 * i));
        }
    }
    std::size_t Append(const std::string& text) {
        const std::size_t at = data_.size();
        data_.insert(data_.end(), text.begin(), text.end());
        data_.push_back(0);
        return at;
    }
    void Pad(std::size_t size) {
        if (data_.size() < size) {
            data_.resize(size);
        }
    }

private:
    std::vector<unsigned char> data_;
};

// The import section: descriptors first, then names and name lists.
Bytes BuildSection(const PeLayout& layout) {
    const std::size_t entry = layout.is64Bit ? 8 : 4;
    const std::size_t descriptorSize = layout.delayLoaded ? 32 : 20;
    Bytes section;
    section.Pad((layout.imports.size() + 1) * descriptorSize);
    for (std::size_t d = 0; d < layout.imports.size(); ++d) {
        const auto& [dll, functions] = layout.imports[d];
        const std::size_t nameAt = section.Append(dll);
        std::vector<std::uint64_t> thunks;
        for (const std::string& function : functions) {
            if (function[0] == '#') {
                const std::uint64_t flag = layout.is64Bit ? 1ull << 63 : 1ull << 31;
                thunks.push_back(flag | std::stoul(function.substr(1)));
            } else {
                const std::size_t hintAt = section.size();
                section.Put(hintAt, 0, 2);
                section.Append(function);
                thunks.push_back(kSectionRva + hintAt);
            }
        }
        const std::size_t listAt = section.size();
        for (std::size_t t = 0; t <= thunks.size(); ++t) {
            section.Put(listAt + t * entry, t < thunks.size() ? thunks[t] : 0, entry);
        }
        const std::size_t at = d * descriptorSize;
        if (layout.delayLoaded) {
            section.Put(at, 1, 4);  // offsets, not addresses
            section.Put(at + 4, kSectionRva + nameAt, 4);
            section.Put(at + 16, kSectionRva + listAt, 4);
        } else {
            section.Put(at, kSectionRva + listAt, 4);
            section.Put(at + 12, kSectionRva + nameAt, 4);
            section.Put(at + 16, kSectionRva + listAt, 4);
        }
    }
    if (!layout.exports.empty()) {
        // The export directory, then the list of name addresses, then the names.
        const std::size_t directoryAt = (section.size() + 3) & ~std::size_t{3};
        section.Pad(directoryAt + 40);
        const std::size_t namesAt = section.size();
        section.Pad(namesAt + 4 * layout.exports.size());
        section.Put(directoryAt + 24, layout.exports.size(), 4);
        section.Put(directoryAt + 32, kSectionRva + namesAt, 4);
        for (std::size_t i = 0; i < layout.exports.size(); ++i) {
            const std::size_t nameAt = section.Append(layout.exports[i]);
            section.Put(namesAt + 4 * i, kSectionRva + nameAt, 4);
        }
    }
    return section;
}

}  // namespace

std::size_t ExportTableOffset(const PeLayout& layout) {
    PeLayout withoutExports = layout;
    withoutExports.exports.clear();
    return (BuildSection(withoutExports).size() + 3) & ~std::size_t{3};
}

std::vector<unsigned char> BuildPe(const PeLayout& layout) {
    Bytes section = BuildSection(layout);
    const std::size_t sectionSize = (section.size() + 0x1FF) & ~std::size_t{0x1FF};

    Bytes image;
    image.Put(0, 0x5A4D, 2);
    image.Put(0x3C, 0x40, 4);
    image.Put(0x40, 0x00004550, 4);
    const std::size_t coff = 0x44;
    const std::size_t optional = kOptionalHeaderOffset;
    const std::size_t optionalSize = layout.is64Bit ? 240 : 224;
    image.Put(coff, layout.machine, 2);
    image.Put(coff + 2, 1, 2);  // one section
    image.Put(coff + 16, optionalSize, 2);
    image.Put(optional, layout.is64Bit ? 0x20b : 0x10b, 2);
    image.Put(optional + 40, layout.osMajor, 2);
    image.Put(optional + 42, layout.osMinor, 2);
    image.Put(optional + 48, layout.subsystemMajor, 2);
    image.Put(optional + 50, layout.subsystemMinor, 2);
    image.Put(optional + 60, kSectionDataOffset, 4);  // size of headers
    image.Put(optional + 68, 3, 2);                   // console
    const std::size_t directories = optional + (layout.is64Bit ? 112 : 96);
    image.Put(directories - 4, 16, 4);
    if (!layout.imports.empty()) {
        const std::size_t index = layout.delayLoaded ? 13 : 1;
        image.Put(directories + 8 * index, kSectionRva, 4);
        image.Put(directories + 8 * index + 4, section.size(), 4);
    }
    if (!layout.exports.empty()) {
        image.Put(directories, kSectionRva + ExportTableOffset(layout), 4);
        image.Put(directories + 4, 40, 4);
    }
    const std::size_t table = optional + optionalSize;
    image.Put(table, 0x61746164692e, 8);  // ".idata"
    image.Put(table + 8, section.size(), 4);
    image.Put(table + 12, kSectionRva, 4);
    image.Put(table + 16, sectionSize, 4);
    image.Put(table + 20, kSectionDataOffset, 4);

    image.Pad(kSectionDataOffset);
    std::vector<unsigned char>& bytes = image.data();
    bytes.insert(bytes.end(), section.data().begin(), section.data().end());
    bytes.resize(kSectionDataOffset + sectionSize);
    return bytes;
}

}  // namespace tavrik::pecheck
