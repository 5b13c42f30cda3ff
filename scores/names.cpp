#include "scores/names.h"

namespace Names {

std::array<QString, 6> DefaultNames;

void LoadNames()
{
    DefaultNames = {QStringLiteral("Orrin Tavish"), QStringLiteral("Lamar Quell"),
                    QStringLiteral("Colm Ardagh"),  QStringLiteral("Dace Wymer"),
                    QStringLiteral("Ivo Strand"),   QStringLiteral("Rudy Plover")};
}

} // namespace Names
