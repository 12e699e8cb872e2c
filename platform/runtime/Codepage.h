#pragma once
// Single-byte text of files written on Windows systems (Windows-1252), such
// as the asset-code index files, and the library's UTF-8 text.
#include <string>
#include <string_view>

std::string FromWindows1252(std::string_view bytes);
// Characters Windows-1252 cannot hold become "?".
std::string ToWindows1252(std::string_view utf8);
