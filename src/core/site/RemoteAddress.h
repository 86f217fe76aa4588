// Remote addresses as the link check fetches them: the scheme and host of an address, the
// form a request is sent with, and a redirect's Location read against the address it came from.
#pragma once

#include <string>
#include <string_view>

namespace velto {

// The scheme in lower case ("https"), empty when the address has none; a scheme-relative
// "//host/..." address has none.
[[nodiscard]] std::string UrlScheme(std::string_view url);

// The host and port in lower case ("example.com:8080"), without user information; empty
// when the address names no host.
[[nodiscard]] std::string UrlHost(std::string_view url);

// The address a request is sent to: surrounding blanks and the fragment dropped, a
// scheme-relative "//host/..." taken as https, a backslash before the query read as '/' as
// browsers read it, and the bytes a request line cannot hold (blanks, control characters,
// quotes, '<', '>', bytes above 127 ...) written as %XX.
[[nodiscard]] std::string RequestAddress(std::string_view url);

// reference (a Location header or a link below a remote BASE) read against the absolute
// address base, as a browser resolves it; "." and ".." segments resolved.
[[nodiscard]] std::string ResolveAddress(std::string_view base, std::string_view reference);

} // namespace velto
