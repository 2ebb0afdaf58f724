#include "stringmodesmodel.h"

#include "core/frenchtext.h"

#include <vector>

std::string StringModesModel::description() const
{
    std::vector<std::string> jouees;
    for (int n = 1; n <= nombreHarmoniques; ++n) {
        if (m_panel.harmoniqueValue(n) > 0)
            jouees.push_back(std::to_string(n));
    }
    const std::string harmoniques = jouees.empty() ? "aucune harmonique, corde au repos"
        : jouees.size() == 1                       ? "harmonique " + jouees.front()
                                                   : "harmoniques " + enumeration(jouees);
    return "Corde de " + std::to_string(m_panel.longueurValue()) + " cm tendue par "
        + std::to_string(m_panel.masseValue()) + " g : " + harmoniques
        + " ; t = " + nombreFrancais(tempsAffiche(), 3) + " s";
}
