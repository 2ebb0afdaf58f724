#pragma once

#include "core/sharedvariables.h"
#include "driven_string/drivenstringstate.h"
#include "reflection/reflectionstate.h"
#include "string_modes/stringmodesstate.h"

// Every module-level variable of the program, in one object that lives for the
// whole run: closing and reopening a window keeps them, and the modules that
// are open together share `temps`, `dt`, `frequence` and `longueurOnde`.
struct ModuleVariables
{
    SharedVariables shared;
    DrivenStringState vibreur;
    ReflectionState reflexion;
    StringModesState modes;
};
