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
    void SetStrings(int index, const std::string& text);
    const std::string& operator[](int index) const { return Strings(index); }

    int Add(const std::string& text);
    void Insert(int index, const std::string& text);  // 0..Count
    void Delete(int index);
    void Clear();
    // First index equal to text (case-insensitive), or -1.
    int IndexOf(const std::string& text) const;

    // Lines joined with CR LF, each followed by one.
    std::string Text() const;
    // Splits at CR LF, LF or CR; a final line break adds no empty line.
    void SetText(const std::string& text);
    // Reads the file's lines through the platform seam; raises EFOpenError
    // when it cannot be read, leaving the list unchanged.
    void LoadFromFile(const std::string& path);
    void Assign(const TStrings& other);

    const std::vector<std::string>& Items() const { return items_; }

    // Several changes announced as one.
    void BeginUpdate() { ++updating_; }
    void EndUpdate();

    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

private:
    void CheckIndex(int index, int last) const;
    void Changed();

    std::vector<std::string> items_;
    int updating_ = 0;
    bool changedWhileUpdating_ = false;
    std::function<void()> onChange_;
};

}  // namespace tavrik::vcl
