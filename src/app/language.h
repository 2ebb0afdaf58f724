#pragma once

#include <QString>

#include <functional>
#include <optional>

// The languages the program speaks: French, its own, and English from its
// translation catalogue.
enum class Language { French, English };

// "fr" or "en", as the command line names them; nothing for any other name.
std::optional<Language> languageNamed(const QString &name);

// The language the user's environment asks: the first of LANGUAGE's entries
// that the program speaks (a list by preference, such as "de:en_GB:fr"), else
// the first set of LC_ALL, LC_MESSAGES and LANG. English when that names
// English ("en", "en_GB.UTF-8"), French otherwise, "C" and unset included.
// `variable` gives a variable's value, empty when unset.
Language languageOfEnvironment(const std::function<QString(const char *)> &variable);
