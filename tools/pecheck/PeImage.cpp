#include "PeImage.h"

#include <algorithm>

#include "ByteReader.h"

namespace tavrik::pecheck {

namespace {

constexpr std::uint16_t kPe32Magic = 0x10b;
constexpr std::uint16_t kPe32PlusMagic = 0x20b;
constexpr std::uint32_t kExportDirectory = 0;
constexpr std::uint32_t kImportDirectory = 1;
constexpr std::uint32_t kDelayImportDirectory = 13;
// Far beyond any real image; a table that claims more is corrupt.
constexpr std::size_t kMostEntries = 100000;

struct Section {
    std::uint32_t virtualAddress = 0;
    std::uint32_t virtualSize = 0;
    std::uint32_t rawSize = 0;
    std::uint32_t rawOffset = 0;
};

struct DataDirectory {
    std::uint32_t rva = 0;
    std::uint32_t size = 0;
};

class Parser {
public:
    Parser(const std::vector<unsigned char>& bytes, PeImage& image, std::string& error)
        : reader_(bytes), image_(image), error_(error) {}

    bool Parse() { return ReadHeaders() && ReadExports() && ReadImports() && ReadDelayImports(); }

private:
    bool Fail(const std::string& reason) {
        error_ = reason;
        return false;
    }

    bool ReadHeaders() {
        std::uint16_t dosMagic = 0;
        std::uint32_t peOffset = 0;
        if (!reader_.Read(0, dosMagic) || dosMagic != 0x5A4D || !reader_.Read(0x3C, peOffset)) {
            return Fail("not an executable (no MZ header)");
        }
        std::uint32_t signature = 0;
        if (!reader_.Read(peOffset, signature) || signature != 0x00004550) {
            return Fail("no PE signature");
        }
        const std::uint64_t coff = std::uint64_t{peOffset} + 4;
        std::uint16_t sectionCount = 0;
        std::uint16_t optionalSize = 0;
        std::uint16_t magic = 0;
        const std::uint64_t optional = coff + 20;
        if (!reader_.Read(coff, image_.machine) || !reader_.Read(coff + 2, sectionCount) ||
            !reader_.Read(coff + 16, optionalSize) || !reader_.Read(optional, magic)) {
            return Fail("truncated file header");
        }
        if (magic != kPe32Magic && magic != kPe32PlusMagic) {
            return Fail("unknown optional header format");
        }
        image_.is64Bit = magic == kPe32PlusMagic;
        std::uint32_t directoryCount = 0;
        const std::uint64_t countAt = optional + (image_.is64Bit ? 108 : 92);
        bool read = reader_.Read(optional + 40, image_.osMajor) &&
                    reader_.Read(optional + 42, image_.osMinor) &&
                    reader_.Read(optional + 48, image_.subsystemMajor) &&
                    reader_.Read(optional + 50, image_.subsystemMinor) &&
                    reader_.Read(optional + 60, headersSize_) &&
                    reader_.Read(optional + 68, image_.subsystem) &&
                    reader_.Read(countAt, directoryCount);
        if (image_.is64Bit) {
            read = read && reader_.Read(optional + 24, imageBase_);
        } else {
            std::uint32_t base32 = 0;
            read = read && reader_.Read(optional + 28, base32);
            imageBase_ = base32;
        }
        if (!read || countAt + 4 > optional + optionalSize) {
            return Fail("truncated optional header");
        }
        const std::uint64_t directories = countAt + 4;
        for (std::uint32_t index : {kExportDirectory, kImportDirectory, kDelayImportDirectory}) {
            DataDirectory& directory = index == kExportDirectory   ? exports_
                                       : index == kImportDirectory ? imports_
                                                                   : delayImports_;
            const std::uint64_t at = directories + 8ull * index;
            if (index < directoryCount && at + 8 <= optional + optionalSize &&
                !(reader_.Read(at, directory.rva) && reader_.Read(at + 4, directory.size))) {
                return Fail("truncated data directories");
            }
        }
        return ReadSections(optional + optionalSize, sectionCount);
    }

    bool ReadSections(std::uint64_t table, std::uint16_t count) {
        for (std::uint16_t i = 0; i < count; ++i) {
            const std::uint64_t at = table + 40ull * i;
            Section section;
            if (!reader_.Read(at + 8, section.virtualSize) ||
                !reader_.Read(at + 12, section.virtualAddress) ||
                !reader_.Read(at + 16, section.rawSize) ||
                !reader_.Read(at + 20, section.rawOffset)) {
                return Fail("truncated section table");
            }
            sections_.push_back(section);
        }
        return true;
    }

    // The file offset of an address of the loaded image; false when the
    // address has no bytes in the file.
    bool ToOffset(std::uint64_t rva, std::uint64_t& offset) const {
        for (const Section& section : sections_) {
            const std::uint64_t span = std::max(section.virtualSize, section.rawSize);
            if (rva >= section.virtualAddress && rva - section.virtualAddress < span) {
                const std::uint64_t inside = rva - section.virtualAddress;
                offset = section.rawOffset + inside;
                return inside < section.rawSize;
            }
        }
        offset = rva;
        return rva < headersSize_;
    }

    bool ReadNameAt(std::uint64_t rva, std::string& name) {
        std::uint64_t offset = 0;
        return ToOffset(rva, offset) && reader_.ReadName(offset, name);
    }

    // One DLL's list of imported names or ordinals, ended by a zero entry.
    // `base` is subtracted from entries that hold addresses (old delay-load
    // tables) rather than offsets into the image.
    bool ReadThunks(const std::string& dll, std::uint64_t rva, bool delayLoaded,
                    std::uint64_t base) {
        const std::uint64_t entrySize = image_.is64Bit ? 8 : 4;
        const std::uint64_t ordinalFlag = image_.is64Bit ? 1ull << 63 : 1ull << 31;
        for (std::size_t count = 0; count < kMostEntries; ++count, rva += entrySize) {
            std::uint64_t offset = 0;
            std::uint64_t entry = 0;
            std::uint32_t entry32 = 0;
            if (!ToOffset(rva, offset) ||
                !(image_.is64Bit ? reader_.Read(offset, entry) : reader_.Read(offset, entry32))) {
                return Fail("import list of " + dll + " runs outside the file");
            }
            if (!image_.is64Bit) {
                entry = entry32;
            }
            if (entry == 0) {
                return true;
            }
            Import import;
            import.dll = dll;
            import.delayLoaded = delayLoaded;
            if ((entry & ordinalFlag) != 0) {
                import.ordinal = static_cast<std::uint16_t>(entry & 0xFFFF);
            } else if (entry < base ||
                       !ReadNameAt(((entry - base) & 0x7FFFFFFF) + 2, import.function)) {
                return Fail("unreadable imported name in the list of " + dll);
            }
            image_.imports.push_back(import);
        }
        return Fail("import list of " + dll + " does not end");
    }

    // The names the image exports (a library's entry points).
    bool ReadExports() {
        if (exports_.rva == 0) {
            return true;
        }
        std::uint64_t offset = 0;
        std::uint32_t nameCount = 0;
        std::uint32_t names = 0;
        if (!ToOffset(exports_.rva, offset) || !reader_.Read(offset + 24, nameCount) ||
            !reader_.Read(offset + 32, names) || nameCount > kMostEntries) {
            return Fail("export table runs outside the file");
        }
        for (std::uint32_t i = 0; i < nameCount; ++i) {
            std::uint32_t nameRva = 0;
            std::string name;
            if (!ToOffset(names + 4ull * i, offset) || !reader_.Read(offset, nameRva) ||
                !ReadNameAt(nameRva, name)) {
                return Fail("unreadable exported name");
            }
            image_.exports.push_back(name);
        }
        return true;
    }

    bool ReadImports() {
        if (imports_.rva == 0) {
            return true;
        }
        std::uint64_t rva = imports_.rva;
        for (std::size_t count = 0; count < kMostEntries; ++count, rva += 20) {
            std::uint64_t offset = 0;
            std::uint32_t nameList = 0;
            std::uint32_t nameRva = 0;
            std::uint32_t addressList = 0;
            if (!ToOffset(rva, offset) || !reader_.Read(offset, nameList) ||
                !reader_.Read(offset + 12, nameRva) || !reader_.Read(offset + 16, addressList)) {
                return Fail("import table runs outside the file");
            }
            if (nameRva == 0 && nameList == 0 && addressList == 0) {
                return true;
            }
            std::string dll;
            if (!ReadNameAt(nameRva, dll)) {
                return Fail("unreadable imported DLL name");
            }
            // Linkers that keep no separate name list leave it zero.
            if (!ReadThunks(dll, nameList != 0 ? nameList : addressList, false, 0)) {
                return false;
            }
        }
        return Fail("import table does not end");
    }

    bool ReadDelayImports() {
        if (delayImports_.rva == 0) {
            return true;
        }
        std::uint64_t rva = delayImports_.rva;
        for (std::size_t count = 0; count < kMostEntries; ++count, rva += 32) {
            std::uint64_t offset = 0;
            std::uint32_t attributes = 0;
            std::uint32_t nameRva = 0;
            std::uint32_t nameList = 0;
            if (!ToOffset(rva, offset) || !reader_.Read(offset, attributes) ||
                !reader_.Read(offset + 4, nameRva) || !reader_.Read(offset + 16, nameList)) {
                return Fail("delay-load table runs outside the file");
            }
            if (nameRva == 0) {
                return true;
            }
            // Old linkers stored addresses instead of offsets into the image.
            const std::uint64_t base = (attributes & 1) != 0 ? 0 : imageBase_;
            std::string dll;
            if (nameRva < base || nameList < base || !ReadNameAt(nameRva - base, dll)) {
                return Fail("unreadable delay-loaded DLL name");
            }
            if (!ReadThunks(dll, nameList - base, true, base)) {
                return false;
            }
        }
        return Fail("delay-load table does not end");
    }

    ByteReader reader_;
    PeImage& image_;
    std::string& error_;
    std::uint32_t headersSize_ = 0;
    std::uint64_t imageBase_ = 0;
    DataDirectory exports_;
    DataDirectory imports_;
    DataDirectory delayImports_;
    std::vector<Section> sections_;
};

}  // namespace

bool ParsePeImage(const std::vector<unsigned char>& bytes, PeImage& image, std::string& error) {
    image = PeImage();
    error.clear();
    return Parser(bytes, image, error).Parse();
}

}  // namespace tavrik::pecheck
