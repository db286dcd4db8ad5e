#pragma once

#include <string>
#include <vector>

// The four-page timetable sheet, one entry per line.
std::vector<std::string> righe_scheda_treno();
