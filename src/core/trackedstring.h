#pragma once

// Millimetres in a metre: the reflection's and the eigenmodes' pictures are drawn in mm.
constexpr double mmParMetre = 1000;

// What the point recorder asks of a simulation's string, along the user x of its picture. Each
// model answers it, since it knows its units and its time.
class TrackedString
{
public:
    // A unit the readouts show a length or a speed in: its name (UTF-8), and how many of it make a
    // metre (a metre per second).
    struct Unite
    {
        const char *nom;
        double parSI;
    };
    // The units the simulation's panel sets lengths and speeds in.
    struct Unites
    {
        Unite distance;
        Unite vitesse;
    };

    // A short name used in file names ("corde-vibreur").
    virtual const char *simulation() const = 0;
    virtual Unites unites() const = 0;
    // The user x of the point followed for a click at user x: on the string, at the nearest
    // computed point.
    virtual double snap(double x) const = 0;
    // A user x in metres along the string.
    virtual double metres(double x) const = 0;
    // The displacement that the picture shows at a user x, mm, upward.
    virtual double upwardMm(double x) const = 0;
    // s, the window's own time, which no other window moves: the recorder's clock.
    virtual double tempsPropre() const = 0;
    // s, the time of the frame on display.
    virtual double tempsAffiche() const = 0;
    // m/s, the wave speed set on the panel, shown beside the measured one.
    virtual double vitesseReglee() const = 0;

protected:
    ~TrackedString() = default;
};
