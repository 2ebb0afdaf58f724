#pragma once

#include "home/accueil.h"
#include "modulevariables.h"

// The home screen's factories: each module's window on the run's module
// variables, which outlive the windows.
ModuleFactories moduleFactories(ModuleVariables &variables);
