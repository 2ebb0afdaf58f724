#include "modulefactories.h"

#include "driven_string/vibreur.h"
#include "reflection/reflexion.h"
#include "string_modes/modescorde.h"

ModuleFactories moduleFactories(ModuleVariables &variables)
{
    ModuleFactories factories;
    factories[int(Module::DrivenString)] = [&variables](QWidget *parent) -> Form * {
        return new Vibreur(parent, variables.shared, variables.vibreur);
    };
    factories[int(Module::Reflection)] = [&variables](QWidget *parent) -> Form * {
        return new Reflexion(parent, variables.shared, variables.reflexion);
    };
    factories[int(Module::StringModes)] = [&variables](QWidget *parent) -> Form * {
        return new ModesCorde(parent, variables.shared, variables.modes);
    };
    return factories;
}
