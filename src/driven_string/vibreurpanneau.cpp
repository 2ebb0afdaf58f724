#include "vibreur.h"

#include "controls/controls.h"
#include "controls/numberformat.h"
#include "controls/shapecontrol.h"
#include "look/colors.h"
#include "look/fonts.h"
#include "look/look.h"
#include "recorder/pointtracker.h"
#include "stepreader.h"

// The parameter column: every setting of the string and of the scheme, at
// positions in twips. Its handlers only rewrite the value captions and mark
// the parameters as changed; the model reads the controls when it derives
// its constants.

namespace {

const QColor texteBleu = RGB(0, 0, 192);
const QColor fondGroupe = Look::panel();

LabelStyle texte(const QFont &font = Fonts::sans(), Qt::Alignment alignment = Qt::AlignLeft)
{
    LabelStyle style = Look::onPanel(texteBleu);
    style.font = font;
    style.alignment = alignment | Qt::AlignTop;
    return style;
}

// Option buttons let the group's rounded shape show through.
LabelStyle option()
{
    return {texteBleu, QColor(), Fonts::sans(), Qt::AlignLeft | Qt::AlignTop, false};
}

} // namespace

void Vibreur::creePanneau()
{
    using Kind = ShapeControl::Kind;
    new ShapeControl(this, Kind::Rectangle, 0, 0, 3375, 8535, Look::leftBand(), QColor());
    new ShapeControl(this, Kind::RoundedRectangle, 120, 240, 3135, 3135, fondGroupe, fondGroupe);
    new ShapeControl(this, Kind::RoundedRectangle, 120, 3720, 3135, 2295, fondGroupe, fondGroupe);
    new ShapeControl(this, Kind::RoundedRectangle, 120, 6360, 3135, 1935, fondGroupe, fondGroupe);

    // The vibrator.
    new Label(this, 240, 480, 2895, 255, tr("Réglage du vibreur (bord gauche)"),
              Look::heading(Look::navy()));
    const Label *legendeFrequence
        = new Label(this, 360, 840, 1935, 255, tr("fréquence de l'excitation : "), texte());
    Label5 = new Label(this, 2160, 840, 855, 255, QStringLiteral("f = 1.3 Hz"), texte());
    Label5->setObjectName(QStringLiteral("Label5"));
    Frequence = new ScrollBar(this, 360, 1080, 2415, 255, 0, 100, 13, 1, 10);
    Frequence->setObjectName(QStringLiteral("Frequence"));
    Frequence->setQuantity(10, QStringLiteral("Hz"));
    nameAfter(Frequence, {legendeFrequence});
    const Label *legendeAmp
        = new Label(this, 360, 1440, 1935, 255, tr("Amplitude de l'excitation :"), texte());
    Label18 = new Label(this, 2160, 1440, 855, 255, QStringLiteral("A = 10 mm"), texte());
    Label18->setObjectName(QStringLiteral("Label18"));
    Amp = new ScrollBar(this, 360, 1680, 2415, 255, 1, 20, 10, 1, 2);
    Amp->setObjectName(QStringLiteral("Amp"));
    Amp->setQuantity(1, QStringLiteral("mm"));
    nameAfter(Amp, {legendeAmp});

    // The right end.
    new Label(this, 240, 2160, 2775, 255, tr("Propriété du bord droit"),
              Look::heading(Look::navy()));
    Option1 = new OptionButton(this, 360, 2520, 2295, 255, tr("extrémité fixe"), option());
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new OptionButton(this, 360, 2760, 2295, 255, tr("extrémité libre"), option());
    Option2->setObjectName(QStringLiteral("Option2"));
    Option3 = new OptionButton(this, 360, 3000, 2775, 255, tr("pas d'extrémité"), option());
    Option3->setObjectName(QStringLiteral("Option3"));
    Option1->setChecked(true);

    // The wave and the medium.
    new Label(this, 240, 3840, 3015, 255, tr("Onde et milieu de propagation"),
              Look::heading(Look::navy()));
    const Label *legendeAmortissement
        = new Label(this, 360, 4200, 1695, 255, tr("Coeff. d'amortissement :"), texte());
    const Label *alpha = new Label(this, 2040, 4200, 375, 255, QStringLiteral("α = "),
                                   texte(Fonts::sans(9, Fonts::Italic)));
    Label24 = new Label(this, 2400, 4200, 735, 255, QStringLiteral("0.5 /s"), texte());
    Label24->setObjectName(QStringLiteral("Label24"));
    HScroll1 = new ScrollBar(this, 360, 4440, 2415, 255, 0, 50, 5, 1, 1);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setQuantity(10, QStringLiteral("/s"));
    nameAfter(HScroll1, {legendeAmortissement, alpha});
    const Label *legendeCelerite = new Label(this, 360, 4800, 615, 255, tr("célérité :"),
                                             texte(Fonts::sans(), Qt::AlignRight));
    Label4 = new Label(this, 1080, 4800, 1935, 255, QStringLiteral("1 m/s"), texte());
    Label4->setObjectName(QStringLiteral("Label4"));
    célérité = new ScrollBar(this, 360, 5040, 2415, 255, 0, 20, 10, 1, 1);
    célérité->setObjectName(QStringLiteral("célérité"));
    célérité->setQuantity(10, QStringLiteral("m/s"));
    nameAfter(célérité, {legendeCelerite});
    new Label(this, 360, 5400, 2775, 255, tr("fréquence propre fondamentale :"), texte());
    Label2 = new Label(this, 840, 5640, 1575, 255, QStringLiteral("f1 = 0.5 Hz"), texte());
    Label2->setObjectName(QStringLiteral("Label2"));

    // The steps of the scheme.
    const QFont formule = Fonts::serif(9, Fonts::Bold | Fonts::Italic);
    new Label(this, 360, 6480, 2055, 255, tr("Options de simulation"), Look::heading(Look::navy()));
    const Label *legendePasX
        = new Label(this, 360, 6840, 1695, 255, tr("pas du calcul spatial :"), texte());
    const Label *dx = new Label(this, 360, 7080, 495, 255, QStringLiteral("dx ="), texte(formule));
    PasX = new TextBox(this, 720, 7080, 615, 285, QStringLiteral("0.01"));
    PasX->setObjectName(QStringLiteral("PasX"));
    nameAfter(PasX, {legendePasX, dx});
    const Label *metres = new Label(this, 1440, 7080, 375, 255, QStringLiteral("m"), texte());
    PasX->setUnit(metres->Caption());
    const Label *legendePasT
        = new Label(this, 360, 7560, 1695, 255, tr("pas du calcul temporel :"), texte());
    const Label *dt = new Label(this, 360, 7800, 375, 255, QStringLiteral("dt = "), texte(formule));
    PasT = new TextBox(this, 720, 7800, 615, 285, QStringLiteral("0.0025"));
    PasT->setObjectName(QStringLiteral("PasT"));
    nameAfter(PasT, {legendePasT, dt});
    const Label *secondes = new Label(this, 1440, 7800, 255, 255, QStringLiteral("s"), texte());
    PasT->setUnit(secondes->Caption());
}

void Vibreur::connectePanneau()
{
    connect(Amp, &ScrollBar::Change, this, &Vibreur::Amp_Change);
    connect(Frequence, &ScrollBar::Change, this, &Vibreur::Frequence_Change);
    connect(HScroll1, &ScrollBar::Change, this, &Vibreur::HScroll1_Change);
    connect(célérité, &ScrollBar::Change, this, &Vibreur::célérité_Change);
    connect(PasT, &TextBox::Change, this, &Vibreur::PasT_Change);
    // The space step has no handler of its own: it is read when the
    // constants are derived. Only the refusal mark follows its text.
    connect(PasX, &TextBox::Change, this, [this] { marquePas(PasX); });
    connect(Option1, &OptionButton::Click, this, &Vibreur::Option1_Click);
    connect(Option2, &OptionButton::Click, this, &Vibreur::Option2_Click);
    connect(Option3, &OptionButton::Click, this, &Vibreur::Option3_Click);
}

void Vibreur::Amp_Change()
{
    m_model.signaleModification();
    Label18->setCaption(QStringLiteral("A =") + Str(Amp->quantity()) + Amp->unit());
}

void Vibreur::Frequence_Change()
{
    m_model.signaleModification();
    Label5->setCaption(QStringLiteral("f=") + Str(Frequence->quantity()) + Frequence->unit());
}

void Vibreur::HScroll1_Change()
{
    m_model.signaleModification();
    Label24->setCaption(Str(HScroll1->quantity()) + HScroll1->unit());
}

void Vibreur::célérité_Change()
{
    m_model.signaleModification();
    // f1 = c / 2: the fundamental of a 1 m string held at both ends.
    Label2->setCaption(QStringLiteral("f1=") + Str(célérité->quantity() / 2)
                       + QStringLiteral("Hz"));
    Label4->setCaption(QStringLiteral("c=") + Str(célérité->quantity()) + célérité->unit());
    afficheCourant();
}

void Vibreur::PasT_Change()
{
    m_model.signaleModification();
    marquePas(PasT);
}

void Vibreur::Option1_Click()
{
    m_model.ActualiseConstantes();
    Shape4->setVisible(true);
}

void Vibreur::Option2_Click()
{
    m_model.ActualiseConstantes();
    Shape4->setVisible(false);
}

void Vibreur::Option3_Click()
{
    m_model.ActualiseConstantes();
    Shape4->setVisible(false);
}

// r = c·dt/dx with the steps in the boxes: the explicit scheme is stable for
// r ≤ 1, and the overflow message is what a larger r leads to. A refused box
// keeps its own help.
void Vibreur::afficheCourant()
{
    const double c = m_model.vitesseReglee(); // m/s
    m_suivi->refresh(); // the recorder shows the speed set beside the one measured
    const auto dx = lirePas(PasX->Text().toStdString());
    const auto dt = lirePas(PasT->Text().toStdString());
    QString texte;
    if (dx && dt)
        texte = tr("r = c·dt/dx = %1 : le calcul est stable pour r ≤ 1")
                    .arg(frenchLocale().toString(c * *dt / *dx, 'g', 3));
    célérité->setToolTip(texte);
    for (TextBox *pas : {PasX, PasT}) {
        if (!pas->isRefused())
            pas->setToolTip(texte);
    }
}
