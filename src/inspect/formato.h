#pragma once

#include <string>

// printf into a std::string of whatever length the text needs.
std::string formato(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
