#pragma once

#include "drivenstringinterfaces.h"
#include "drivenstringstate.h"

#include <string>
#include <vector>

// The panel at its initial settings; tests move its controls.
struct FakePanel : DrivenStringPanel
{
    int frequence = 13;   // 1.3 Hz
    int hScroll1 = 5;     // 0.5 /s
    int celerite = 10;    // 1 m/s
    int amp = 10;         // 10 mm
    std::string pasX = "0.01";
    std::string pasT = "0.0025";
    ExtremiteDroite extremiteDroite = ExtremiteDroite::Fixe;

    int frequenceValue() const override { return frequence; }
    int hScroll1Value() const override { return hScroll1; }
    int celeriteValue() const override { return celerite; }
    int ampValue() const override { return amp; }
    std::string pasXText() const override { return pasX; }
    std::string pasTText() const override { return pasT; }
    ExtremiteDroite extremite() const override { return extremiteDroite; }
};

// Records what the model asks of the window. At the overflow message it keeps
// a copy of the state, to check that nothing was reset before the user saw it.
struct FakeView : DrivenStringView
{
    explicit FakeView(const DrivenStringState &state) : m_state(state) {}

    int messages = 0;
    int effacements = 0;
    std::vector<double> cordes; // temps passed at each redraw
    DrivenStringState etatAuMessage;

    void afficheDepassement() override
    {
        ++messages;
        etatAuMessage = m_state;
    }
    void effaceImage() override { ++effacements; }
    void corde(double &temps) override { cordes.push_back(temps); }

private:
    const DrivenStringState &m_state;
};
