// Names as a terminal may show them. A name can hold any character but NUL; a carriage
// return, a line feed or an escape sequence written to a terminal as it is would move the
// cursor, erase lines or forge an entry that is not there. The text outputs show such
// characters as visible escapes instead; CSV and JSON keep the exact text.
#pragma once

#include <string>
#include <string_view>

// The text with \r, \n and \t as those two characters, every other C0 control, DEL and
// every C1 control as \xHH ("\x1B"), and a lone surrogate as \uDXXX; the rest unchanged.
std::wstring VisibleText(std::wstring_view text);
