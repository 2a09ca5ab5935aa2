// A list of strings (list box items, memo lines) that tells its owner
// when it changes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "vcl/Events.h"

namespace tavrik::vcl {

class TStrings : public TObject {
public:
    TStrings() = default;
    const char* ClassName() const override { return "TStrings"; }

    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EStringListError outside 0..Count-1.
    const std::string& Strings(int index) const;
    const std::string& operator[](int index) const { return Strings(index); }

    int Add(const std::string& text);
    void Clear();

    // Lines joined with CR LF, each followed by one.
    std::string Text() const;
    // Splits at CR LF, LF or CR; a final line break adds no empty line.
    void SetText(const std::string& text);
    // Reads the file's lines through the platform seam; raises EFOpenError
    // when it cannot be read, leaving the list unchanged.
    void LoadFromFile(const std::string& path);

    const std::vector<std::string>& Items() const { return items_; }

    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

private:
    void Changed();

    std::vector<std::string> items_;
    std::function<void()> onChange_;
};

}  // namespace tavrik::vcl
