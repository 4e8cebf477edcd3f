#include "runtime/StringList.h"

#include "runtime/Exceptions.h"

namespace rt {

namespace {
[[noreturn]] void IndexError(int index)
{
    throw ERangeError(FormatMessage("List index out of bounds (%d)", index));
}
}  // namespace

const std::string& TStringList::operator[](int index) const
{
    if (index < 0 || index >= Count()) {
        IndexError(index);
    }
    return items_[static_cast<std::size_t>(index)];
}

void TStringList::Add(const std::string& text)
{
    items_.push_back(text);
    Changed();
}

void TStringList::Delete(int index)
{
    if (index < 0 || index >= Count()) {
        IndexError(index);
    }
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Clear()
{
    if (items_.empty()) {
        return;
    }
    items_.clear();
    Changed();
}

void TStringList::Assign(const std::vector<std::string>& items)
{
    items_ = items;
    Changed();
}

void TStringList::Changed()
{
    if (OnChange) {
        OnChange(*this);
    }
}

}  // namespace rt
