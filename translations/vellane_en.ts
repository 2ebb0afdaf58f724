<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Accueil</name>
    <message>
        <source>Simulation d&apos;ondes</source>
        <translation>Simulation of waves</translation>
    </message>
    <message>
        <source>sur une corde</source>
        <translation>on a string</translation>
    </message>
    <message>
        <source>version </source>
        <translation>version </translation>
    </message>
    <message>
        <source>Evolution d&apos;une corde excitée par un vibreur</source>
        <translation>Evolution of a string driven by a vibrator</translation>
    </message>
    <message>
        <source>Superposition d&apos;une onde incidente et d&apos;une onde réflchie</source>
        <translation>Superposition of an incident wave and a reflected wave</translation>
    </message>
    <message>
        <source>Modes propres de vibration d&apos;une corde  tendue entre 2 points fixes</source>
        <translation>Normal modes of a string stretched between 2 fixed points</translation>
    </message>
    <message>
        <source>Ce programme simule l&apos;évolution d&apos;une corde horizontale dont une extrémité est agitée verticalement par un vibreur. L&apos;algorithme utilise la méthode d&apos;Euler.</source>
        <translation>This program simulates the evolution of a horizontal string, one end of which a vibrator shakes up and down. The algorithm uses Euler&apos;s method.</translation>
    </message>
    <message>
        <source>Le type d&apos;excitation est réglable : solitaire ou sinusoïdale. Dans ce dernier cas la valeur de la fréquence est réglable. L&apos;autre extrémité est fixe ou libre, au choix de l&apos;utilisateur. </source>
        <translation>The excitation can be a solitary pulse or a sine; for a sine the frequency can be set. The other end is fixed or free, as the user chooses. </translation>
    </message>
    <message>
        <source>Ce module permet de voir la réflexion des ondes à l&apos;extrémité de la corde et d&apos;assister à la naissance des modes propres.</source>
        <translation>This module shows the waves reflected at the end of the string and the birth of the normal modes.</translation>
    </message>
    <message>
        <source>Ce programme permet d&apos;interpréter l&apos;existence des modes propres de vibration comme le résultat de la superposition d&apos;une onde incidente et d&apos;une onde réfléchie.</source>
        <translation>This program explains the normal modes of vibration as the superposition of an incident wave and a reflected wave.</translation>
    </message>
    <message>
        <source>Ce programme permet de voir une corde osciller selon ses différents modes propres, et de superposer plusieurs modes de rangs différents.</source>
        <translation>This program shows a string oscillating in its normal modes, and several modes of different ranks superposed.</translation>
    </message>
    <message>
        <source>Démarrer</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Illustration : une corde vibrante à trois fuseaux</source>
        <translation>Illustration: a vibrating string with three loops</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Vellane à une dimension</source>
        <translation>Vellane in one dimension</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Affiche cette aide et s&apos;arrête.</source>
        <translation>Shows this help and stops.</translation>
    </message>
    <message>
        <source>Affiche la version et s&apos;arrête.</source>
        <translation>Shows the version and stops.</translation>
    </message>
    <message>
        <source>NOM</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Ouvre aussi la simulation NOM : vibreur, reflexion
ou modes.</source>
        <translation>Also opens the simulation NAME: vibreur,
reflexion or modes.</translation>
    </message>
    <message>
        <source>FACTEUR</source>
        <translation>FACTOR</translation>
    </message>
    <message>
        <source>Agrandit fenêtres et dessins du FACTEUR, de 1 à 3
(2 ou 1,5 par exemple), ou du plus grand qui tient
sur l&apos;écran avec « auto ». Un facteur trop grand
pour l&apos;écran est ramené au plus grand qui tient.</source>
        <translation>Enlarges windows and drawings by FACTOR, from 1
to 3 (2 or 1,5 for instance, with a decimal comma),
or by the largest that fits the screen with &quot;auto&quot;.
A factor too large for the screen is lowered to the
largest that fits.</translation>
    </message>
    <message>
        <source>LANGUE</source>
        <translation>LANGUAGE</translation>
    </message>
    <message>
        <source>Parle la LANGUE : fr (français) ou en (anglais),
au lieu de celle de l&apos;environnement.</source>
        <translation>Speaks LANGUAGE: fr (French) or en (English),
instead of the environment&apos;s.</translation>
    </message>
    <message>
        <source>vellane : %1 (vellane --help pour l&apos;aide)</source>
        <translation>vellane: %1 (vellane --help for help)</translation>
    </message>
    <message>
        <source>Utilisation : vellane [options]
%1 : ondes mécaniques sur une corde, trois simulations.

Options :
</source>
        <translation>Usage: vellane [options]
%1: mechanical waves on a string, three simulations.

Options:
</translation>
    </message>
    <message>
        <source>argument inattendu « %1 »</source>
        <translation>unexpected argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>option inconnue « %1 »</source>
        <translation>unknown option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>l&apos;option %1 est donnée deux fois</source>
        <translation>option %1 is given twice</translation>
    </message>
    <message>
        <source>l&apos;option %1 ne prend pas de valeur</source>
        <translation>option %1 takes no value</translation>
    </message>
    <message>
        <source>il manque une valeur après %1</source>
        <translation>a value is missing after %1</translation>
    </message>
    <message>
        <source>simulation inconnue « %1 » : vibreur, reflexion ou modes</source>
        <translation>unknown simulation &quot;%1&quot;: vibreur, reflexion or modes</translation>
    </message>
    <message>
        <source>le facteur de --zoom doit être un nombre de 1 à 3 ou auto, pas « %1 »</source>
        <translation>the factor of --zoom must be a number from 1 to 3 or auto, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>langue inconnue « %1 » : fr ou en</source>
        <translation>unknown language &quot;%1&quot;: fr or en</translation>
    </message>
</context>
<context>
    <name>DrivenStringModel</name>
    <message>
        <source>Dépassement de capacité ! Veuillez modifier les paramètres de la simulation.</source>
        <translation>Overflow! Please change the parameters of the simulation.</translation>
    </message>
</context>
<context>
    <name>Enregistreur</name>
    <message>
        <source>Enregistreur</source>
        <translation>Recorder</translation>
    </message>
    <message>
        <source>y (mm, vers le haut)</source>
        <translation>y (mm, upward)</translation>
    </message>
    <message>
        <source>Exporter…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>%1 : période %2, amplitude %3</source>
        <translation>%1: period %2, amplitude %3</translation>
    </message>
    <message>
        <source>B après A : retard %1, distance %2, vitesse mesurée %3</source>
        <translation>B after A: delay %1, distance %2, measured speed %3</translation>
    </message>
    <message>
        <source> (réglée : %1)</source>
        <translation> (set: %1)</translation>
    </message>
    <message>
        <source>Exporter l&apos;enregistrement</source>
        <translation>Export the recording</translation>
    </message>
    <message>
        <source>Fichiers CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Courbes de l&apos;enregistreur</source>
        <translation>Recorder&apos;s curves</translation>
    </message>
    <message>
        <source>Courbes de t = %1 à %2</source>
        <translation>Curves from t = %1 to %2</translation>
    </message>
    <message>
        <source>Clic droit sur la corde (ou touche Menu, la corde choisie par Tab), puis « Suivre ce point » : son mouvement s&apos;enregistre ici.</source>
        <translation>Right-click on the string (or the Menu key, the string chosen with Tab), then &quot;Follow this point&quot;: its motion is recorded here.</translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>vous n&apos;avez pas le droit d&apos;écrire à cet endroit</source>
        <translation>you are not allowed to write there</translation>
    </message>
    <message>
        <source>le dossier n&apos;existe pas</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>le disque est plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>votre quota d&apos;espace disque est atteint</source>
        <translation>your disk quota is reached</translation>
    </message>
    <message>
        <source>le disque est en lecture seule</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>le nom du fichier est trop long</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer le fichier %1&#xa0;: %2.</source>
        <translation>Cannot save the file %1: %2.</translation>
    </message>
</context>
<context>
    <name>ModesCorde</name>
    <message>
        <source>Simulation d&apos;une corde vibrante</source>
        <translation>Simulation of a vibrating string</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>animer</source>
        <translation>animate</translation>
    </message>
    <message>
        <source>Propriétés du dispositif : </source>
        <translation>Properties of the set-up: </translation>
    </message>
    <message>
        <source>Masse du solide suspendu :</source>
        <translation>Mass of the hanging body:</translation>
    </message>
    <message>
        <source>Longueur de la corde :</source>
        <translation>Length of the string:</translation>
    </message>
    <message>
        <source>Harmoniques</source>
        <translation>Harmonics</translation>
    </message>
    <message>
        <source>Harmonique %1</source>
        <translation>Harmonic %1</translation>
    </message>
    <message>
        <source>Animation : </source>
        <translation>Animation: </translation>
    </message>
    <message>
        <source>image suivante</source>
        <translation>next frame</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Corde</source>
        <translation>String</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>Enregistrer l&apos;image</source>
        <translation>Save the picture</translation>
    </message>
    <message>
        <source>Images PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>l&apos;image est vide</source>
        <translation>the picture is empty</translation>
    </message>
</context>
<context>
    <name>PictureMenu</name>
    <message>
        <source>Copier l&apos;image</source>
        <translation>Copy the picture</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image…</source>
        <translation>Save the picture…</translation>
    </message>
</context>
<context>
    <name>PointTracker</name>
    <message>
        <source>Suivre ce point</source>
        <translation>Follow this point</translation>
    </message>
    <message>
        <source>Ne plus suivre</source>
        <translation>Stop following</translation>
    </message>
</context>
<context>
    <name>Reflexion</name>
    <message>
        <source>Superposition d&apos;une onde incidente et d&apos;une onde rfléchie</source>
        <translation>Superposition of an incident wave and a reflected wave</translation>
    </message>
    <message>
        <source>Rang du mode de vibration</source>
        <translation>Rank of the mode of vibration</translation>
    </message>
    <message>
        <source>Célérité de l&apos;onde</source>
        <translation>Speed of the wave</translation>
    </message>
    <message>
        <source>temps écoulé</source>
        <translation>elapsed time</translation>
    </message>
    <message>
        <source>Un tour de cadran  représente une période temporelle de l&apos;onde</source>
        <translation>One turn of the dial stands for one period of the wave</translation>
    </message>
    <message>
        <source>Animation : </source>
        <translation>Animation: </translation>
    </message>
    <message>
        <source>animer</source>
        <translation>animate</translation>
    </message>
    <message>
        <source>image suivante</source>
        <translation>next frame</translation>
    </message>
    <message>
        <source>image précédente</source>
        <translation>previous frame</translation>
    </message>
    <message>
        <source>animer pendant un quart de période</source>
        <translation>animate for a quarter period</translation>
    </message>
    <message>
        <source>réinitialiser</source>
        <translation>reset</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>pause</source>
        <translation>pause</translation>
    </message>
    <message>
        <source>Ondes sur la corde</source>
        <translation>Waves on the string</translation>
    </message>
    <message>
        <source>Cadran</source>
        <translation>Dial</translation>
    </message>
</context>
<context>
    <name>ScreenZoom</name>
    <message>
        <source>vellane : --zoom %1 ferait sortir les fenêtres de l&apos;écran (%2 × %3 pixels) ; facteur ramené à %4</source>
        <translation>vellane: --zoom %1 would take the windows off the screen (%2 × %3 pixels); factor lowered to %4</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>vellane : aucun affichage graphique n&apos;est accessible, les fenêtres ne peuvent pas s&apos;ouvrir</source>
        <translation>vellane: no graphical display can be reached, the windows cannot open</translation>
    </message>
</context>
<context>
    <name>Vibreur</name>
    <message>
        <source>Entrez un nombre positif, entre %1 et %2, par exemple 0.01</source>
        <translation>Enter a positive number, between %1 and %2, for instance 0.01</translation>
    </message>
    <message>
        <source>Commande du vibreur</source>
        <translation>Vibrator control</translation>
    </message>
    <message>
        <source>Animation : </source>
        <translation>Animation: </translation>
    </message>
    <message>
        <source>Impulsion solitaire</source>
        <translation>Solitary pulse</translation>
    </message>
    <message>
        <source>Excitation sinusoïdale</source>
        <translation>Sine excitation</translation>
    </message>
    <message>
        <source>Réinitialiser</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pas à pas</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Reprise</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>la corde laisse des traces</source>
        <translation>the string leaves traces</translation>
    </message>
    <message>
        <source>Réglage du vibreur (bord gauche)</source>
        <translation>Vibrator settings (left end)</translation>
    </message>
    <message>
        <source>fréquence de l&apos;excitation : </source>
        <translation>excitation frequency: </translation>
    </message>
    <message>
        <source>Amplitude de l&apos;excitation :</source>
        <translation>Excitation amplitude:</translation>
    </message>
    <message>
        <source>Propriété du bord droit</source>
        <translation>Right end of the string</translation>
    </message>
    <message>
        <source>extrémité fixe</source>
        <translation>fixed end</translation>
    </message>
    <message>
        <source>extrémité libre</source>
        <translation>free end</translation>
    </message>
    <message>
        <source>pas d&apos;extrémité</source>
        <translation>no end</translation>
    </message>
    <message>
        <source>Onde et milieu de propagation</source>
        <translation>Wave and medium</translation>
    </message>
    <message>
        <source>Coeff. d&apos;amortissement :</source>
        <translation>Damping coeff.:</translation>
    </message>
    <message>
        <source>célérité :</source>
        <translation>speed:</translation>
    </message>
    <message>
        <source>fréquence propre fondamentale :</source>
        <translation>fundamental frequency:</translation>
    </message>
    <message>
        <source>Options de simulation</source>
        <translation>Simulation options</translation>
    </message>
    <message>
        <source>pas du calcul spatial :</source>
        <translation>space step:</translation>
    </message>
    <message>
        <source>pas du calcul temporel :</source>
        <translation>time step:</translation>
    </message>
    <message>
        <source>r = c·dt/dx = %1 : le calcul est stable pour r ≤ 1</source>
        <translation>r = c·dt/dx = %1: the computation is stable for r ≤ 1</translation>
    </message>
    <message>
        <source>Corde</source>
        <translation>String</translation>
    </message>
</context>
</TS>
