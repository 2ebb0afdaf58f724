#include "accueil.h"

#include "controls/application.h"
#include "drawing/twips.h"
#include "look/colors.h"
#include "look/fonts.h"
#include "look/icons.h"
#include "look/look.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace {

// The labels are transparent: the black of the window, or the credits panel,
// shows through as their background.
LabelStyle linkStyle()
{
    return {Qt::white, QColor(), Fonts::sans(9.75, Fonts::Bold | Fonts::Underline),
            Qt::AlignLeft | Qt::AlignTop, true};
}

LabelStyle descriptionStyle()
{
    return {Qt::white, QColor(), Fonts::sans(), Qt::AlignLeft | Qt::AlignTop, false};
}

LabelStyle creditStyle(Qt::Alignment alignment)
{
    return {Look::navy(), QColor(), Fonts::sans(8.25, Fonts::Bold), alignment | Qt::AlignTop,
            false};
}

} // namespace

Accueil::Accueil(ModuleFactories factories)
    : Form(nullptr, applicationTitle(), sizeTwips.width(), sizeTwips.height(), Qt::black)
    , m_factories(std::move(factories))
{
    // The home screen lives for the whole run; it is not deleted on close.
    setAttribute(Qt::WA_DeleteOnClose, false);
    creeBandeau();
    creeChoix();
    creeDescriptions();
    creeBoutons();
    Form_Load();
}

void Accueil::creeBandeau()
{
    // The left band: the illustration and the credits panel.
    new ShapeControl(this, ShapeControl::Kind::Rectangle, 0, 0, 2655, 6135, Look::leftBand(),
                     QColor());
    auto *image = new QLabel(this);
    image->setGeometry(Twips::rect(120, 360, 2400, 2370));
    image->setPixmap(Icons::illustration());
    image->setScaledContents(true);
    // Read by a screen reader that goes through the window.
    image->setAccessibleName(tr("Illustration : une corde vibrante à trois fuseaux"));
    new ShapeControl(this, ShapeControl::Kind::RoundedRectangle, 120, 4680, 2415, 1215,
                     Look::panel(), Look::panel());
    new Label(this, 240, 4920, 2175, 255, tr("Simulation d'ondes"), creditStyle(Qt::AlignLeft));
    new Label(this, 240, 5160, 2175, 255, tr("sur une corde"), creditStyle(Qt::AlignLeft));
    new Label(this, 1200, 5520, 1080, 255, tr("version ") + applicationVersion(),
              creditStyle(Qt::AlignRight));
    // The rule above the version, drawn over the top of its label.
    new LineControl(this, 1200, 5520, 2280, 5520, Look::navy(), 1);
}

void Accueil::creeChoix()
{
    new Label(
        this, 2880, 120, 5415, 735, applicationTitle(),
        {Qt::white, QColor(), Fonts::sans(24, Fonts::Bold), Qt::AlignLeft | Qt::AlignTop, false});

    const LabelStyle link = linkStyle();
    Option1 = new OptionButton(this, 2880, 1080, 255, 255, QString(), link);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new OptionButton(this, 2880, 3000, 255, 255, QString(), link);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option3 = new OptionButton(this, 2880, 4200, 255, 255, QString(), link);
    Option3->setObjectName(QStringLiteral("Option3"));
    // The designer selects the eigenmodes; the load selects the driven string.
    Option3->setChecked(true);
    Option1->setAccessibleName(tr("Evolution d'une corde excitée par un vibreur"));
    Option2->setAccessibleName(tr("Superposition d'une onde incidente et d'une onde réflchie"));
    Option3->setAccessibleName(
        tr("Modes propres de vibration d'une corde  tendue entre 2 points fixes"));

    Label10 = new Label(this, 3120, 1080, 7260, 315, Option1->accessibleName(), link);
    Label10->setObjectName(QStringLiteral("Label10"));
    Label12 = new Label(this, 3120, 3000, 7260, 315, Option2->accessibleName(), link);
    Label12->setObjectName(QStringLiteral("Label12"));
    Label11 = new Label(this, 3120, 4200, 7260, 315, Option3->accessibleName(), link);
    Label11->setObjectName(QStringLiteral("Label11"));
    connect(Label10, &Label::clicked, this, &Accueil::Label10_Click);
    connect(Label11, &Label::clicked, this, &Accueil::Label11_Click);
    connect(Label12, &Label::clicked, this, &Accueil::Label12_Click);
}

void Accueil::creeDescriptions()
{
    const LabelStyle plain = descriptionStyle();
    new Label(this, 3120, 1440, 7095, 495,
              tr("Ce programme simule l'évolution d'une corde horizontale dont une "
                 "extrémité est agitée verticalement par un vibreur. L'algorithme "
                 "utilise la méthode d'Euler."),
              plain);
    new Label(this, 3120, 1920, 7095, 495,
              tr("Le type d'excitation est réglable : solitaire ou sinusoïdale. Dans ce "
                 "dernier cas la valeur de la fréquence est réglable. L'autre extrémité "
                 "est fixe ou libre, au choix de l'utilisateur. "),
              plain);
    new Label(this, 3120, 2400, 7095, 495,
              tr("Ce module permet de voir la réflexion des ondes à l'extrémité de la "
                 "corde et d'assister à la naissance des modes propres."),
              plain);
    new Label(this, 3120, 3480, 7095, 495,
              tr("Ce programme permet d'interpréter l'existence des modes propres de "
                 "vibration comme le résultat de la superposition d'une onde incidente "
                 "et d'une onde réfléchie."),
              plain);
    new Label(this, 3120, 4560, 7095, 495,
              tr("Ce programme permet de voir une corde osciller selon ses différents "
                 "modes propres, et de superposer plusieurs modes de rangs différents."),
              plain);
}

void Accueil::creeBoutons()
{
    const QColor grey = Look::buttonFace();
    Reprise = new CommandButton(this, 8160, 5280, 975, 735,
                                Icons::glyph(Icons::Glyph::TriangleRight, Look::slate()), grey);
    Reprise->setObjectName(QStringLiteral("Reprise"));
    Reprise->setCaption(tr("Démarrer"));
    Command1 = new CommandButton(this, 9360, 5280, 975, 735,
                                 Icons::glyph(Icons::Glyph::TriangleLeftBar, Look::red()), grey);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setCaption(tr("Quitter"));
    connect(Reprise, &QAbstractButton::clicked, this, &Accueil::Reprise_Click);
    connect(Command1, &QAbstractButton::clicked, this, &Accueil::Command1_Click);
}

void Accueil::Form_Load()
{
    Option1->setValue(true);
}

void Accueil::Label10_Click()
{
    Option1->setValue(true);
}

void Accueil::Label11_Click()
{
    Option3->setValue(true);
}

void Accueil::Label12_Click()
{
    Option2->setValue(true);
}

void Accueil::Reprise_Click()
{
    // Tested in this order; exactly one is selected, so one window opens.
    if (Option3->Value())
        launch(Module::StringModes);
    if (Option1->Value())
        launch(Module::DrivenString);
    if (Option2->Value())
        launch(Module::Reflection);
}

void Accueil::demarre(Module module)
{
    const std::array<OptionButton *, moduleCount> options {Option1, Option2, Option3};
    options[int(module)]->setValue(true);
    Reprise_Click();
}

void Accueil::launch(Module module)
{
    QPointer<Form> &window = m_windows[int(module)];
    if (!window)
        window = m_factories[int(module)](this);
    window->show();
    window->raise();
    window->activateWindow();
}

void Accueil::Command1_Click()
{
    // Ends the program at once: no module window closes on its own and no
    // timer ticks again once the event loop has stopped.
    for (QPointer<Form> &window : m_windows) {
        if (window)
            window->hide();
    }
    hide();
    QCoreApplication::exit(0);
}

void Accueil::closeEvent(QCloseEvent *event)
{
    event->accept();
    Command1_Click();
}
