#pragma once

// What the eigenmode model reads on the window's panel. The window implements
// it with its scroll bars; tests fake it.
class StringModesPanel
{
public:
    virtual ~StringModesPanel() = default;

    virtual int longueurValue() const = 0; // `Longueur`, cm (10 to 100)
    virtual int masseValue() const = 0; // `Masse`, g (100 to 10000)
    virtual int harmoniqueValue(int n) const = 0; // `Harmonique(n)`, 0 to 10, n = 1 to 10
};
