#pragma once

#include "driven_string/drivenstringinterfaces.h"
#include "reflection/reflectioninterfaces.h"
#include "string_modes/stringmodesinterfaces.h"

#include <map>
#include <string>

// A simulation's panel as its model reads it, without a window: each control holds the value the
// test gives it by its name ("Frequence", "Harmonique3"; the wave speed of both the driven string
// and the reflection is "celerite"). Reading a control the test did not set throws.
class FakePanel : public DrivenStringPanel, public StringModesPanel, public ReflectionPanel
{
public:
    explicit FakePanel(std::map<std::string, int> values)
        : m_values(std::move(values))
    { }

    int &operator[](const std::string &name) { return m_values[name]; }

    // The driven string's step boxes and right end.
    std::string pasX = "0.01";
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

private:
    int value(const std::string &name) const { return m_values.at(name); }

    std::map<std::string, int> m_values;
};
