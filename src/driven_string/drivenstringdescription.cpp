#include "drivenstringmodel.h"

#include "core/frenchtext.h"

#include <cmath>

namespace {

// The panel's words for each end.
const char *extremiteDite(ExtremiteDroite extremite)
{
    switch (extremite) {
    case ExtremiteDroite::Fixe:
        return "extrémité droite fixe";
    case ExtremiteDroite::Libre:
        return "extrémité droite libre";
    case ExtremiteDroite::Absente:
        return "pas d'extrémité droite (zone absorbante)";
    }
    return "";
}

} // namespace

std::string DrivenStringModel::description() const
{
    int plusLoin = 0;
    for (int i = 1; i <= DrivenStringState::dernierPointCorde; ++i) {
        if (std::fabs(hauteur(i)) > std::fabs(hauteur(plusLoin)))
            plusLoin = i;
    }
    const double h = hauteur(plusLoin); // mm, upward
    const std::string ecart = nombreFrancais(std::fabs(h), 1);
    std::string texte = "Corde à t = " + nombreFrancais(tempsAffiche(), 3) + " s : ";
    // A displacement that reads 0 mm is the string at rest.
    if (ecart == "0")
        texte += "au repos";
    else
        texte += "déplacement maximal " + ecart + " mm " + (h > 0 ? "vers le haut" : "vers le bas")
            + " à " + nombreFrancais(metres(plusLoin), 3) + " m";
    return texte + " ; " + extremiteDite(m_panel.extremite());
}
