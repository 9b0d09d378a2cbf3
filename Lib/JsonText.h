// JSON texts that carry every name Windows can hold. A registry value or file name is
// UTF-16 that need not be valid: a lone surrogate is allowed, and any unprivileged
// program can make one. UTF-8 cannot hold it, so it travels as a \udXXX escape, and the
// reader takes it back from there.
#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

// The text as a quoted JSON string: UTF-8, control characters and lone surrogates as
// escapes.
std::string JsonQuote(std::wstring_view text);

// Parses a JSON text that may hold \udXXX escapes of lone surrogates (nlohmann's parser
// alone refuses them). Strings of the result keep them in a private form: read every
// string through JsonWide. Nothing when the text is not JSON; never throws.
std::optional<nlohmann::json> ParseJsonLossless(std::string_view utf8);
// A string of ParseJsonLossless's result as the text it stands for.
std::wstring JsonWide(const std::string& utf8);
