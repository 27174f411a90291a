// The probes' JSON string literals: every character outside printable ASCII becomes a \uXXXX
// escape of its UTF-16 code unit, so the output stays plain ASCII whatever the code page.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

inline void AppendJsonString(std::string& out, std::wstring_view s) {
    out += '"';
    for (wchar_t wc : s) {
        const auto c = static_cast<unsigned>(wc);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c & 0xffffu);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    out += '"';
}
