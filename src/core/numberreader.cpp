#include "numberreader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

bool estBlanc(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool estChiffre(char c)
{
    return c >= '0' && c <= '9';
}

// The leading number of `s` (blanks already removed), as text that
// std::from_chars reads: no leading '+', at least one digit.
std::string partieNumerique(const std::string &s)
{
    std::size_t i = 0;
    std::string nombre;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            nombre += '-';
        ++i;
    }
    bool chiffres = false;
    while (i < s.size() && estChiffre(s[i])) {
        nombre += s[i++];
        chiffres = true;
    }
    if (i < s.size() && s[i] == '.') {
        nombre += s[i++];
        while (i < s.size() && estChiffre(s[i])) {
            nombre += s[i++];
            chiffres = true;
        }
    }
    if (!chiffres)
        return {};
    // An exponent counts only when digits follow the letter (and its sign).
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exposant = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exposant += s[j++];
        const std::size_t debut = j;
        while (j < s.size() && estChiffre(s[j]))
            exposant += s[j++];
        if (j > debut)
            nombre += exposant;
    }
    return nombre;
}

// The decimal exponent of the first significant digit of a well-formed
// non-zero number (sign, digits, ".", exponent); the exponent is read with
// saturation far beyond the double range.
long ordreDeGrandeur(const std::string &nombre)
{
    const std::size_t debut = nombre.front() == '-' ? 1 : 0;
    const std::size_t e = std::min(nombre.find('e'), nombre.size());
    const std::size_t point = std::min(nombre.find('.'), e);
    const std::size_t premierEntier = nombre.find_first_not_of('0', debut);
    long ordre = 0;
    if (premierEntier < point) {
        ordre = static_cast<long>(point - premierEntier) - 1;
    } else {
        const std::size_t premierDecimal = nombre.find_first_not_of('0', point + 1);
        ordre = -static_cast<long>(premierDecimal - point);
    }
    constexpr long saturation = 100000;
    long exposant = 0;
    std::size_t j = e + 1;
    const bool negatif = j < nombre.size() && nombre[j] == '-';
    if (j < nombre.size() && (nombre[j] == '-' || nombre[j] == '+'))
        ++j;
    for (; j < nombre.size() && exposant < saturation; ++j)
        exposant = exposant * 10 + (nombre[j] - '0');
    return ordre + (negatif ? -exposant : exposant);
}

} // namespace

double Val(std::string_view texte)
{
    std::string sansBlancs;
    for (const char c : texte) {
        if (!estBlanc(c))
            sansBlancs += c;
    }
    const std::string nombre = partieNumerique(sansBlancs);
    if (nombre.empty())
        return 0.0;
    double valeur = 0.0;
    const std::from_chars_result lu
        = std::from_chars(nombre.data(), nombre.data() + nombre.size(), valeur);
    if (lu.ec == std::errc::result_out_of_range) {
        // Beyond the double range: infinity with its sign for a huge
        // magnitude, zero for a tiny one.
        const double magnitude = ordreDeGrandeur(nombre) > 0 ? HUGE_VAL : 0.0;
        return nombre.front() == '-' ? -magnitude : magnitude;
    }
    return valeur;
}
