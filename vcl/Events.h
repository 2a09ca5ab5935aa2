// The shapes of the event handlers components fire. The sender is the
// component that fires the event.
#pragma once

#include <cstdint>
#include <functional>

#include "vcl/Host.h"

namespace tavrik::vcl {

class TObject;

using TNotifyEvent = std::function<void(TObject* sender)>;
using TKeyEvent = std::function<void(TObject* sender, std::uint16_t& key, ShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
using TScrollEvent = std::function<void(TObject* sender, ScrollCode code, int& position)>;
using TUDChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;
using TUDClickEvent = std::function<void(TObject* sender, UpDownButton button)>;

// The root of every component and of the objects handed to handlers as
// sender; a handler finds out what it got with dynamic_cast.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
    // The class name as the form description spells it.
    virtual const char* ClassName() const { return "TObject"; }
};

}  // namespace tavrik::vcl
