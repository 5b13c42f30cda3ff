#pragma once

#include <QString>

#include <array>

namespace Names {

// The default player names, for an entry whose name is left empty.
extern std::array<QString, 6> DefaultNames;

void LoadNames();

} // namespace Names
