#pragma once

#include "drivenstringstate.h"
#include "reflectionstate.h"
#include "sharedvariables.h"
#include "stringmodesstate.h"

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
