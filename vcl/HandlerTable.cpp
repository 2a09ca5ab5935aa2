#include "vcl/HandlerTable.h"

#include <algorithm>
#include <cctype>

#include "vcl/Exceptions.h"

namespace tavrik::vcl {

const char* HandlerShapeName(const AnyHandler& handler) {
    static const char* const kNames[] = {"notify (Sender)",
                                         "key (Sender, Key, Shift)",
                                         "key press (Sender, Key)",
                                         "scroll (Sender, ScrollCode, ScrollPos)",
                                         "changing (Sender, AllowChange)",
                                         "up-down click (Sender, Button)"};
    return kNames[handler.index()];
}

bool HandlerTable::NoCaseLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

void HandlerTable::Add(const std::string& name, AnyHandler handler) {
    if (!handlers_.emplace(name, std::move(handler)).second) {
        throw EComponentError("A handler named " + name + " is already published");
    }
}

const AnyHandler* HandlerTable::Find(const std::string& name) const {
    auto it = handlers_.find(name);
    return it == handlers_.end() ? nullptr : &it->second;
}

std::vector<std::string> HandlerTable::Names() const {
    std::vector<std::string> names;
    names.reserve(handlers_.size());
    for (const auto& entry : handlers_) names.push_back(entry.first);
    return names;
}

}  // namespace tavrik::vcl
