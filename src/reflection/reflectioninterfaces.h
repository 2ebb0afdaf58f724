#pragma once

// What the reflection model reads on the window's panel. The window
// implements it with its scroll bars; tests fake it.
class ReflectionPanel
{
public:
    virtual ~ReflectionPanel() = default;

    virtual int modeValue() const = 0; // `Mode`, rank k of the standing wave, 1 to 10
    virtual int celeriteValue() const = 0; // `celerite`, wave speed in mm/s, 1 to 100
};
