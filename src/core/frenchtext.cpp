#include "frenchtext.h"

#include <algorithm>
#include <cstdio>

std::string nombreFrancais(double valeur, int decimales)
{
    const int taille = std::snprintf(nullptr, 0, "%.*f", decimales, valeur);
    std::string texte(std::size_t(taille) + 1, '\0');
    std::snprintf(texte.data(), texte.size(), "%.*f", decimales, valeur);
    texte.pop_back();
    if (const auto point = texte.find('.'); point != std::string::npos) {
        texte[point] = ',';
        texte.erase(texte.find_last_not_of('0') + 1);
        if (texte.back() == ',')
            texte.pop_back();
    }
    return texte == "-0" ? "0" : texte;
}

std::string enumeration(const std::vector<std::string> &termes)
{
    const bool virgules = std::any_of(termes.begin(), termes.end(), [](const std::string &t) {
        return t.find(',') != std::string::npos;
    });
    std::string texte;
    for (std::size_t i = 0; i < termes.size(); ++i) {
        if (i > 0)
            texte += i + 1 == termes.size() ? " et " : virgules ? " ; " : ", ";
        texte += termes[i];
    }
    return texte;
}
