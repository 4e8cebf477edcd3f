#pragma once

#include <functional>
#include <string>
#include <vector>

namespace rt {

// An ordered list of text lines whose every change of contents fires OnChange.
class TStringList {
public:
    std::function<void(TStringList&)> OnChange;

    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& operator[](int index) const;
    const std::vector<std::string>& Items() const { return items_; }

    void Add(const std::string& text);
    // Raises ERangeError "List index out of bounds (%d)".
    void Delete(int index);
    void Clear();
    void Assign(const std::vector<std::string>& items);

private:
    void Changed();
    std::vector<std::string> items_;
};

}  // namespace rt
