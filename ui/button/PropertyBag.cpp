// Property store entries.
#include "ui/button/PropertyBag.h"

#include <algorithm>

namespace morvane {

namespace {
std::string Lower(std::string_view name) {
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return lower;
}
}  // namespace

PropertyBag::PropertyBag(std::initializer_list<std::pair<std::string_view, Value>> entries) {
  for (const auto& [name, value] : entries) Set(name, value);
}

void PropertyBag::WriteProperty(std::string_view name, Value value, const Value& defaultValue) {
  if (value == defaultValue) {
    // Reading back must give the default, so an older entry may not outlive it.
    std::erase_if(entries_, [key = Lower(name)](const auto& entry) { return entry.first == key; });
    return;
  }
  Set(name, std::move(value));
}

const PropertyBag::Value* PropertyBag::Find(std::string_view name) const {
  std::string key = Lower(name);
  for (const auto& [stored, value] : entries_) {
    if (stored == key) return &value;
  }
  return nullptr;
}

std::vector<std::string> PropertyBag::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : entries_) names.push_back(entry.first);
  return names;
}

void PropertyBag::Set(std::string_view name, Value value) {
  std::string key = Lower(name);
  for (auto& [stored, existing] : entries_) {
    if (stored == key) {
      existing = std::move(value);
      return;
    }
  }
  entries_.emplace_back(std::move(key), std::move(value));
}

}  // namespace morvane
