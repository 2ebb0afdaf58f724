#pragma once

#include <string>

// The right-end condition chosen on the panel (option buttons Option1 to 3).
enum class ExtremiteDroite { Fixe, Libre, Absente };

// What the model reads on the parameter panel. The window implements it with
// its controls; tests fake it.
class DrivenStringPanel
{
public:
    virtual ~DrivenStringPanel() = default;

    virtual int frequenceValue() const = 0; // `Frequence`, tenths of Hz
    virtual int hScroll1Value() const = 0; // `HScroll1`, tenths of 1/s
    virtual int celeriteValue() const = 0; // `célérité`, tenths of m/s
    virtual int ampValue() const = 0; // `Amp`, mm
    virtual std::string pasXText() const = 0; // `PasX`, UTF-8
    virtual std::string pasTText() const = 0; // `PasT`, UTF-8
    virtual ExtremiteDroite extremite() const = 0;
};

// What the model asks of the window.
class DrivenStringView
{
public:
    virtual ~DrivenStringView() = default;

    // The modal overflow message; returns once the user has closed it.
    virtual void afficheDepassement() = 0;
    // Clears `Picture1` to its background.
    virtual void effaceImage() = 0;
    // Redraws the string from yNouveau (`corde`), shown at `temps` (s).
    virtual void corde(double temps) = 0;
    // After each time step, with yNouveau at temps: the point recorder samples it.
    virtual void apresPas() { }
    // temps restarted at 0 (a reset, the vibrator or a pulse started): the point recorder starts
    // a new trace.
    virtual void tempsRemisAZero() { }
};
