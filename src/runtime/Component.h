#pragma once

#include <string>
#include <vector>

namespace rt {

// An object created with an owner that destroys it. Destroying a component destroys what it owns;
// a component destroyed first leaves its owner's list.
class TComponent {
public:
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }

    std::string Name;

private:
    TComponent* owner_;
    std::vector<TComponent*> components_;
};

}  // namespace rt
