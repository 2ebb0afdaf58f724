#include "stepreader.h"

#include "core/numberreader.h"

#include <string>

std::optional<double> lirePas(std::string_view texte)
{
    std::string avecPoint(texte);
    for (char &c : avecPoint) {
        if (c == ',')
            c = '.';
    }
    const double pas = Val(avecPoint);
    if (!(pas >= pasMinimal && pas <= pasMaximal))
        return std::nullopt;
    return pas;
}
