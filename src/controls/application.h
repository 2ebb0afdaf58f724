#pragma once

#include <QString>

// The program's name, the title of its main windows and of every message box.
QString applicationTitle();

// The program's version ("1.0"), the project's version in the build.
QString applicationVersion();

// The reverse-DNS identifier of the application: the name of its desktop
// entry, metadata and icons.
QString applicationId();

// The program's command, also the class Qt gives its X11 windows (WM_CLASS),
// by which desktops tie them to the menu entry.
QString applicationName();
