#pragma once
// printf-style formatting into std::string, for texts whose formats come from the string table.

#include <concepts>
#include <cstdio>
#include <string>
#include <string_view>
#include <type_traits>

namespace korva {

namespace detail {
std::string vformat(const char* format, ...);

inline const char* formatArg(const std::string& s) { return s.c_str(); }
inline const char* formatArg(const char* s) { return s; }
template <typename T>
    requires std::is_arithmetic_v<T> || std::is_pointer_v<T>
T formatArg(T value) {
    return value;
}
}  // namespace detail

// Formats like snprintf; std::string arguments may be passed for %s.
template <typename... Args>
std::string cformat(std::string_view format, const Args&... args) {
    const std::string fmt(format);
    if constexpr (sizeof...(Args) == 0) {
        return detail::vformat("%s", fmt.c_str());
    } else {
        return detail::vformat(fmt.c_str(), detail::formatArg(args)...);
    }
}

}  // namespace korva
