// Components: named objects owned by another component.
//
// An owner destroys the components it owns when it is destroyed, last
// created first. A component destroyed on its own leaves its owner's list.
#pragma once

#include <string>
#include <vector>

#include "vcl/Events.h"

namespace tavrik::vcl {

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    const char* ClassName() const override { return "TComponent"; }

    const std::string& Name() const { return name_; }
    // Names are unique among the components of one owner (without regard
    // to case, as FindComponent looks them up); a clash raises
    // EComponentError.
    void SetName(const std::string& name);
    TComponent* Owner() const { return owner_; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(owned_.size()); }
    TComponent* Components(int index) const { return owned_.at(index); }
    // The owned component with this name (case-insensitive), or nullptr.
    TComponent* FindComponent(const std::string& name) const;

protected:
    // Destroys the owned components now, last created first. Controls call
    // it first thing in their destructor, while they are still whole.
    void DestroyComponents();

private:
    std::string name_;
    TComponent* owner_;
    int tag_ = 0;
    std::vector<TComponent*> owned_;
};

// Case-insensitive comparison of identifiers (ASCII letters only).
bool SameText(const std::string& a, const std::string& b);

}  // namespace tavrik::vcl
