#pragma once

#include "controls/controls.h"
#include "controls/form.h"
#include "controls/shapecontrol.h"
#include "module.h"

#include <QPointer>

#include <array>
#include <functional>

// Creates a module's window, with the home screen as its parent.
using ModuleFactory = std::function<Form *(QWidget *parent)>;
using ModuleFactories = std::array<ModuleFactory, moduleCount>;

// The home screen: presents the three modules, opens the selected one and
// ends the program. It stays open behind the module windows for the whole run.
class Accueil : public Form
{
    Q_OBJECT

public:
    // One factory per module, indexed by Module.
    explicit Accueil(ModuleFactories factories);

    // The window's client size, in twips.
    static constexpr QSize sizeTwips {10500, 6105};

    // Selects the module's option and opens it, as "Démarrer" does.
    void demarre(Module module);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Label10_Click();
    void Label11_Click();
    void Label12_Click();
    void Reprise_Click();
    void Command1_Click();

    OptionButton *Option1;
    OptionButton *Option2;
    OptionButton *Option3;
    Label *Label10;
    Label *Label11;
    Label *Label12;
    CommandButton *Reprise;
    CommandButton *Command1;

    void creeBandeau();
    void creeChoix();
    void creeDescriptions();
    void creeBoutons();
    void launch(Module module);

    ModuleFactories m_factories;
    std::array<QPointer<Form>, moduleCount> m_windows;
};
