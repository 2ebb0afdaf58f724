#pragma once

#include "driven_string/drivenstringinterfaces.h"
#include "reflection/reflectioninterfaces.h"
#include "string_modes/stringmodesinterfaces.h"

#include <map>
#include <string>

// A simulation's panel as its model reads it, without a window: each control holds the value the
// test gives it by its name ("Frequence", "Harmonique3"; the wave speed of both the driven string
// and the reflection is "celerite"). Reading a control the test did not set throws.
struct FakePanel : DrivenStringPanel, StringModesPanel, ReflectionPanel
{
    explicit FakePanel(std::map<std::string, int> controls)
        : values(std::move(controls))
    { }
    int &operator[](const std::string &name) { return values[name]; }
    int value(const std::string &name) const { return values.at(name); }

    std::map<std::string, int> values;
    std::string pasX = "0.01"; // the driven string's step boxes and right end
    std::string pasT = "0.0025";
    ExtremiteDroite bout = ExtremiteDroite::Fixe;

    int frequenceValue() const override { return value("Frequence"); }
    int hScroll1Value() const override { return value("HScroll1"); }
    int celeriteValue() const override { return value("celerite"); }
    int ampValue() const override { return value("Amp"); }
    std::string pasXText() const override { return pasX; }
    std::string pasTText() const override { return pasT; }
    ExtremiteDroite extremite() const override { return bout; }
    int longueurValue() const override { return value("Longueur"); }
    int masseValue() const override { return value("Masse"); }
    int harmoniqueValue(int n) const override { return value("Harmonique" + std::to_string(n)); }
    int modeValue() const override { return value("Mode"); }
};
