// The host's property store for one control instance: typed values by name, kept under
// lower-case names and matched without regard to case.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "platform/geometry.h"

namespace morvane {

class PropertyBag {
 public:
  using Value = std::variant<std::int32_t, bool, std::string, FontRef>;

  PropertyBag() = default;
  // The entries a window's design holds, e.g. {{"Caption", "Start"}, {"Font", font}}.
  PropertyBag(std::initializer_list<std::pair<std::string_view, Value>> entries);

  // The stored value when there is one of the default's kind; otherwise the default.
  template <class T>
  T ReadProperty(std::string_view name, T defaultValue) const {
    if (const Value* stored = Find(name)) {
      if (const T* value = std::get_if<T>(stored)) return *value;
    }
    return defaultValue;
  }

  // A value equal to its default is not kept (a font only when it is the very object).
  void WriteProperty(std::string_view name, Value value, const Value& defaultValue);

  bool Contains(std::string_view name) const { return Find(name) != nullptr; }
  const Value* Find(std::string_view name) const;
  // Lower-case names in the order they were first written.
  std::vector<std::string> Names() const;

 private:
  void Set(std::string_view name, Value value);
  std::vector<std::pair<std::string, Value>> entries_;
};

}  // namespace morvane
