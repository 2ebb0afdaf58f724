#pragma once

#include "controls.h"
#include "form.h"
#include "shapecontrol.h"

#include <QPointer>

#include <array>
#include <functional>

// Creates a module's window, with the home screen as its parent.
using ModuleFactory = std::function<Form *(QWidget *parent)>;

// The home screen: presents the three modules, opens the selected one and
// ends the program. It stays open behind the module windows for the whole run.
class Accueil : public Form
{
    Q_OBJECT

public:
    // One factory per module, in the order of the option buttons: the driven
    // string (Option1), the reflection (Option2), the eigenmodes (Option3).
    explicit Accueil(std::array<ModuleFactory, 3> factories);

    void Form_Load();
    void Label10_Click();
    void Label11_Click();
    void Label12_Click();
    void Reprise_Click();
    void Command1_Click();

    // The open window of a module (0 to 2 as the factories), or null.
    Form *moduleWindow(int module) const { return m_windows[module]; }

    OptionButton *Option1;
    OptionButton *Option2;
    OptionButton *Option3;
    Label *Label10;
    Label *Label11;
    Label *Label12;
    CommandButton *Reprise;
    CommandButton *Command1;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void launch(int module);

    std::array<ModuleFactory, 3> m_factories;
    std::array<QPointer<Form>, 3> m_windows;
};
