#include "vibreur.h"

#include "controls/application.h"
#include "controls/controls.h"
#include "controls/messagebox.h"
#include "drawing/drawingsurface.h"
#include "look/colors.h"
#include "look/look.h"
#include "recorder/pointtracker.h"
#include "stepreader.h"

#include <QCoreApplication>

Vibreur::Vibreur(QWidget *parent, SharedVariables &shared, DrivenStringState &state)
    : Form(parent, applicationTitle(), sizeTwips.width(), sizeTwips.height(),
           Look::formBackground())
    , m_state(state)
    , m_model(shared, state, *this, *this)
{
    creePanneau();
    creeImage();
    creeCommandes();
    connectePanneau();
    connecteCommandes();
    m_suivi = new PointTracker(Picture1, m_model);
    afficheCourant();
    Form_Load();
}

// The model takes the panel's designer values and the string starts at rest;
// the excitation flags keep the values they had when the window last closed.
void Vibreur::Form_Load()
{
    m_model.charge();
}

void Vibreur::marquePas(TextBox *box)
{
    static const QString attendu
        = tr("Entrez un nombre positif, entre %1 et %2, par exemple 0.01")
              .arg(QString::number(pasMinimal), QString::number(pasMaximal))
              .remove(QLatin1Char('+')); // 1e60 as a user types it
    box->setRefused(!lirePas(box->Text().toStdString()), attendu);
    afficheCourant();
}

int Vibreur::frequenceValue() const
{
    return Frequence->Value();
}

int Vibreur::hScroll1Value() const
{
    return HScroll1->Value();
}

int Vibreur::celeriteValue() const
{
    return célérité->Value();
}

int Vibreur::ampValue() const
{
    return Amp->Value();
}

std::string Vibreur::pasXText() const
{
    return PasX->Text().toStdString();
}

std::string Vibreur::pasTText() const
{
    return PasT->Text().toStdString();
}

ExtremiteDroite Vibreur::extremite() const
{
    if (Option1->Value())
        return ExtremiteDroite::Fixe;
    if (Option2->Value())
        return ExtremiteDroite::Libre;
    return ExtremiteDroite::Absente;
}

void Vibreur::afficheDepassement()
{
    MsgBox(this,
           QCoreApplication::translate("DrivenStringModel", DrivenStringModel::messageDepassement));
}

void Vibreur::effaceImage()
{
    Picture1->Cls();
}
