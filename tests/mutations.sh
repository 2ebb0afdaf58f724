#!/usr/bin/env bash
# One-line mutations of the models, the services under the windows and their
# wiring that the tests must catch.
# Run by hand (it is not part of the test command): bash tests/mutations.sh
# (ONLY=text runs only the mutations whose name holds it)
#
# The tracked and new files of the working tree are copied to a temporary
# folder and built once without unity build, so that a mutated file rebuilds
# one object. Each mutation then changes one line of one file (found by its
# name and a fixed text on that line), rebuilds the tests that cover it, runs
# them, and puts the file back. A mutation is caught when one of them fails.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d /tmp/vellane-mutations.XXXXXX)
trap 'rm -rf "$work"' EXIT
build="$work/build"

# One mutation a line: name @ file name @ fixed text on the line @ sed
# expression for that line @ the tests that must catch it
mutations=$(cat <<'EOF'
zone damping from point 100 @ drivenstringmodel.cpp @ if (i >= debutZone) @ s/debutZone)/dernierPointCorde)/ @ driven_string_test
zone damping from point 120 @ drivenstringmodel.cpp @ if (i >= debutZone) @ s/debutZone)/debutZone + 10)/ @ driven_string_test
zone damping linear @ drivenstringmodel.cpp @ carre(1.0 + (i - debutZone) / 10.0) @ s/carre(\(.*\));/(\1);/ @ driven_string_test
zone wave speed halved @ drivenstringmodel.cpp @ const double r = c * m_shared.dt / y.dx; @ s/y.dx;/y.dx \/ 2;/ @ driven_string_test
free end copies point 98 @ drivenstringmodel.cpp @ = y.yNouveau[dernierPointCorde - 1]; @ s/- 1\]/- 2]/ @ driven_string_test
damping not halved in g @ drivenstringmodel.cpp @ const double g = m_shared.dt * m_state.amortissement; @ s/;/ * 2;/ @ driven_string_test
re-synchronised on the way down @ drivenstringmodel.cpp @ const bool passageMontant @ s/y.yActuel\[0\] < 0.0/y.yActuel[0] > 0.0/ @ driven_string_test
phase times pulsation @ drivenstringmodel.cpp @ / y.amplitude) / pulsation; @ s/) \/ pulsation/) * pulsation/ @ driven_string_test
exactly 100 mm overflows @ drivenstringmodel.cpp @ if (std::fabs(y.yNouveau[i]) > limite) @ s/> limite/>= limite/ @ driven_string_test
interior overflow clears the zone @ drivenstringmodel.cpp @ depassement(dernierPointCorde); @ s/dernierPointCorde/dernierPointZone/ @ driven_string_test
NaN in the zone unnoticed @ drivenstringmodel.cpp @ <= limiteZone)) @ s/!(std::fabs(y.yNouveau\[i\]) <= limiteZone)/std::fabs(y.yNouveau[i]) > limiteZone/ @ driven_string_test
sech halved @ drivenstringmodel.cpp @ return 2.0 / (std::exp(-x) @ s/2.0/1.0/ @ driven_string_test
decimal comma refused @ stepreader.cpp @ if (c == ',') @ s/','/';'/ @ driven_string_test
step 0 accepted @ stepreader.cpp @ pas >= pasMinimal @ s/pas >= pasMinimal/pas >= 0/ @ driven_string_test
minus sign lost @ numberreader.cpp @ nombre += '-'; @ s/'-'/'0'/ @ number_reader_test
comma read as decimal point @ numberreader.cpp @ s[i] == '.') { @ s/'\.'/','/ @ number_reader_test
tiny decimals read as huge @ numberreader.cpp @ ordre = -static_cast<long> @ s/= -static_cast/= static_cast/ @ number_reader_test
harmonic frequencies doubled @ stringmodesmodel.cpp @ m_state.pulsation[n] = @ s/\* c;/* c * 2;/ @ string_modes_test
wavelength of the next harmonic @ stringmodesmodel.cpp @ m_shared.longueurOnde[n] = @ s/\/ n;/\/ (n + 1);/ @ string_modes_test
tenth harmonic left out @ stringmodesmodel.cpp @ y = y + facteurs[n] * std::sin @ s/y = y + /y = n == 10 ? y : y + / @ string_modes_test
cosine in time @ stringmodesmodel.cpp @ std::sin(m_state.pulsation[n] * t) @ s/std::sin/std::cos/ @ string_modes_test
reflection without inversion @ reflectionmodel.cpp @ o.reflechie[x] = -cr; @ s/= -cr/= cr/ @ reflection_test
sum without the inversion @ reflectionmodel.cpp @ - std::cos(deuxPi * (x / lambda + f * t)) @ s/- std::cos/+ std::cos/ @ reflection_test
speed change keeps temps @ reflectionmodel.cpp @ ancienneFrequence / m_shared.frequence; @ s/ \* ancienneFrequence \/ m_shared.frequence// @ reflection_test
hand at six o'clock at time 0 @ reflectionmodel.h @ m_state.periode - pi / 2; @ s/- pi \/ 2/+ pi \/ 2/ @ reflection_test
pen not centred @ linerasterizer.cpp @ const double offset = 0.5 - w / 2.0; @ s/w \/ 2.0/w \/ 4.0/ @ controls_test
ends near a pixel edge rounded apart @ linerasterizer.cpp @ < 1e-3 ? nearest : floorToInt(v) @ s/1e-3/1e-6/ @ controls_test
negative ends truncated toward zero @ linerasterizer.cpp @ return v < truncated ? truncated - 1 : truncated; @ s/truncated - 1/truncated/ @ controls_test
one-pixel pen a column off @ linerasterizer.cpp @ bits[py * stride + px] = color; @ s/+ px\]/+ px + 1]/ @ controls_test
clipped short of the right edge @ linerasterizer.cpp @ const double hiX = imageWidth + w; @ s/imageWidth + w/imageWidth - w/ @ controls_test
last column of a wide pen dropped @ linerasterizer.cpp @ std::min(px + w, keptRight) @ s/keptRight)/keptRight - 1)/ @ controls_test
holes in a two-pixel pen @ linerasterizer.cpp @ row[stride] = row[stride + 1] = color; @ s/row\[stride\] = row\[stride + 1\]/row[stride]/ @ controls_test
pen width ignored @ drawingsurface.cpp @ m_lineWidth = int(std::lround(pixels * @ s/pixels \* // @ controls_test
filled box one pixel short @ drawingsurface.cpp @ floor(std::max(a.x(), b.x())) + 1.0 @ s/ + 1.0// @ controls_test
circle filled in the pen colour @ drawingsurface.cpp @ QBrush(m_fillColor) @ s/m_fillColor/m_foreColor/ @ controls_test
14 significant digits @ numberformat.cpp @ 'g', 15 @ s/15/14/ @ controls_test
extent width from the height @ userscale.cpp @ clientWidthTwips / width @ s/clientWidthTwips \/ width/clientWidthTwips \/ height/ @ controls_test
user y from the x unit @ userscale.cpp @ Twips::perPixel / m_unitY); @ s/m_unitY/m_unitX/ @ controls_test
ticks inside a message box @ formtimer.cpp @ if (HandlerGuard::active()) @ s/if (/if (false \&\& / @ controls_test
timer runs on after unload @ formtimer.cpp @ setEnabled(false); }); @ s/false/true/ @ controls_test
window at the top-left corner @ form.cpp @ frame.moveCenter( @ s/moveCenter(available.center())/moveTopLeft(available.topLeft())/ @ controls_test
large window centred above the screen @ form.cpp @ move(std::max(frame.left() @ s/move(.*/move(frame.topLeft());/ @ controls_test
re-centred at every show @ form.cpp @ if (!m_centred) { @ s/!m_centred/true/ @ controls_test
scroll bar changes while dragged @ controls.cpp @ setTracking(false); @ s/false/true/ @ controls_test
check box clicks without a change @ controls.cpp @ if (checked == isChecked()) @ s/checked == isChecked()/false/ @ controls_test
button name not following its label @ controls.cpp @ &Label::captionChanged, this, takeCaption @ s/connect(/if (false) connect(/ @ controls_test
captions under buttons one space apart @ controls.cpp @ return captions ? 2 * space : space; @ s/2 \* space/space/ @ controls_test
letters hardly tightened @ fonts.cpp @ maximumTightening = 1.0 / 20; @ s/20/200/ @ controls_test
last segment of the eigenmodes not computed @ stringmodesmodel.cpp @ i <= segments; ++i) @ s/<=/</ @ string_modes_test
free end leaves a ghost @ vibreurimage.cpp @ y.yAffiche[bout] = y.yNouveau[bout]; @ s/y.yAffiche\[bout\] = y.yNouveau\[bout\];/(void)0;/ @ driven_string_test
clamp hidden at a fixed end @ vibreurpanneau.cpp @ Shape4->setVisible(true); @ s/true/false/ @ driven_string_test
fixed end computed as free @ vibreur.cpp @ return ExtremiteDroite::Fixe; @ s/Fixe/Libre/ @ driven_string_test
fixed end computed as no end @ vibreur.cpp @ return ExtremiteDroite::Fixe; @ s/Fixe/Absente/ @ driven_string_test
free end computed as fixed @ vibreur.cpp @ return ExtremiteDroite::Libre; @ s/Libre/Fixe/ @ driven_string_test
free end computed as no end @ vibreur.cpp @ return ExtremiteDroite::Libre; @ s/Libre/Absente/ @ driven_string_test
no end computed as fixed @ vibreur.cpp @ return ExtremiteDroite::Absente; @ s/Absente/Fixe/ @ driven_string_test
no end computed as free @ vibreur.cpp @ return ExtremiteDroite::Absente; @ s/Absente/Libre/ @ driven_string_test
option click ignoring a pending stop @ vibreurpanneau.cpp @ &Vibreur::Option3_Click); @ s/&Vibreur::Option3_Click/[this] { m_model.signaleModification(); Shape4->setVisible(false); }/ @ driven_string_test
reset keeps the traces @ vibreurcommandes.cpp @ traces->setValue(0); @ s/0/1/ @ driven_string_test
timed run never disarmed @ reflectionmodel.cpp @ m_state.tFin = 0; @ s/= 0;/= m_state.tFin;/ @ reflection_test
home screen closed by its frame keeps running @ accueil.cpp @ event->accept(); @ s/event->accept();/event->ignore(); return;/ @ modules_test
incident wave stepped the wrong way @ reflectionmodel.cpp @ si = si * cb - ci * sb; @ s/- ci/+ ci/ @ reflection_test
frame without the tenth harmonic @ stringmodesmodel.cpp @ y = y + facteurs[n] * m_state.forme[n][i]; @ s/y = y + /y = n == 10 ? y : y + / @ string_modes_test
grid never drawn again @ drawingsurface.cpp @ m_changedSinceTaken |= changed; @ s/|= changed/|= QRect()/ @ driven_string_test
axis line beside the clip reported @ linerasterizer.cpp @ // nothing changed, or nothing of the line is kept @ s/return {};/{}/ @ controls_test
clip one row short @ linerasterizer.cpp @ const int keptBottom = kept.bottom() + 1; @ s/+ 1/+ 0/ @ controls_test
changes joined across the picture @ drawntiles.h @ static constexpr int tileWidth = 32; @ s/32/4096/ @ controls_test
drawn tiles never marked @ drawingsurface.cpp @ m_drawn.add(changed); @ s/.*// @ controls_test
recorder window counted as a sibling @ controls.cpp @ !widget->isWindow() && @ s/!widget->isWindow() && // @ modules_test
scroll bar keys inverted @ controls.cpp @ action = SliderSingleStepAdd; @ s/Add/Sub/ @ controls_test
page keys inverted @ controls.cpp @ action = SliderPageStepAdd; @ s/Add/Sub/ @ controls_test
focused scroll bar unmarked @ controls.cpp @ if (!hasFocus()) @ s/!hasFocus()/true/ @ modules_test
focused button unmarked @ controls.cpp @ QToolButton::paintEvent(event); @ s/;$/; return;/ @ modules_test
focused text box unmarked @ controls.cpp @ QLineEdit::paintEvent(event); @ s/;$/; return;/ @ modules_test
indicator marked in grey @ indicators.cpp @ FocusMark::paint(p, focusRect, color); @ s/color)/QColor(Qt::gray))/ @ modules_test
one-line caption wrapped first @ controls.cpp @ if (!holdsSeveralLines()) { @ s/!holdsSeveralLines()/false/ @ controls_test reflection_test
caption one pixel from a control after it @ controls.cpp @ return captions ? 2 * space : space; @ s/: space;/: (label ? space : 1.0);/ @ driven_string_test
unit above the baseline of the number @ controls.cpp @ drop = control->y() + box->textBaseline() @ s/box->textBaseline()/0/ @ driven_string_test
harmonic numbers above their bars @ controls.cpp @ - (top + metrics.ascent() - metrics.capHeight() / 2); @ s/ - metrics.capHeight() \/ 2// @ string_modes_test
text box text edge to edge @ controls.cpp @ = lineRect().width() - 2 * @ s/- 2 \*/- 0 */ @ driven_string_test
picture over the frame of its button @ controls.cpp @ shown.scale(room, Qt::KeepAspectRatio); @ s/shown.scale(room, Qt::KeepAspectRatio)/(void)0/ @ driven_string_test
last changed column not repainted @ drawntiles.cpp @ std::min(right, (column + 1) * tileWidth), bandBottom}); @ s/std::min(right,/std::min(right - 1,/ @ controls_test
empty tile widening its band @ drawntiles.h @ if (other.isEmpty()) @ s/other.isEmpty()/false/ @ controls_test
changes never forgotten @ drawntiles.cpp @ Box run = std::exchange(boxes[column], Box()); @ s/std::exchange(boxes\[column\], Box())/boxes[column]/ @ controls_test
rectangle's right border one pixel in @ shapecontrol.cpp @ p.fillRect(QRect(w - 1, 1, 1, h - 2), m_border); @ s/w - 1, 1/w - 2, 1/ @ controls_test
rectangle filled to its last column @ shapecontrol.cpp @ p.fillRect(r, m_fill); @ s/(r,/(rect(),/ @ controls_test
repaint region off by the border @ drawingsurface.cpp @ m_drawn.take(ratio == 1.0 ? m_client.topLeft() @ s/? m_client.topLeft()/? QPoint()/ @ controls_test
sunken border one pixel short @ drawingsurface.cpp @ const QRect r = rect(); @ s/rect();/rect().adjusted(0, 0, -1, -1);/ @ controls_test
seams left at a fractional scale @ drawingsurface.cpp @ if (fractional) @ s/(fractional)/(fractional \&\& false)/ @ controls_test
save buffered, flushed only by commit @ filewrite.cpp @ if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) @ s/ | QIODevice::Unbuffered// @ controls_test recorder_test
save committed after a short write @ filewrite.cpp @ && file.write(bytes) == bytes.size() @ s/== bytes.size()/>= 0/ @ controls_test recorder_test
save message without the folder @ filewrite.cpp @ .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), reason)); @ s/QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())/QFileInfo(path).fileName()/ @ controls_test recorder_test
full disk told as an unknown error @ filewrite.cpp @ case ENOSPC: @ s/ENOSPC/EIO/ @ controls_test recorder_test
long word cut off in a message box @ messagebox.cpp @ if (metrics.horizontalAdvance(word) <= widest) { @ s/<= widest/<= 100 * widest/ @ modules_test
name too long refused without a word @ savedialog.cpp @ ->setEnabled(true); @ s/true/false/ @ modules_test
zoom too large for the screen kept @ screenzoom.cpp @ zoom.factor = std::min(commandLine.zoom, largest); @ s/std::min(commandLine.zoom, largest)/commandLine.zoomToScreen ? largest : commandLine.zoom/ @ modules_test
option given twice accepted @ commandline.cpp @ if (given[index]) @ s/given\[index\]/false/ @ modules_test
control characters quoted raw @ commandline.cpp @ case QChar::Other_Control: @ s/Other_Control/Symbol_Other/ @ modules_test
long argument quoted whole @ commandline.cpp @ if (text.size() >= longest) @ s/>= longest/>= argument.size() + longest/ @ modules_test
recorder: driven string downward @ drivenstringmodel.h @ return -m_state.yNouveau[point]; @ s/return -m_state/return m_state/ @ modules_test
recorder: reflection downward @ reflectionmodel.h @ return -echelle * OndeResultante(x, t); @ s/return -echelle/return echelle/ @ modules_test
recorder: eigenmodes downward @ stringmodesmodel.cpp @ return -mmParUnite * @ s/return -mmParUnite/return mmParUnite/ @ modules_test
recorder: eigenmodes in display units @ stringmodesmodel.cpp @ constexpr double mmParUnite = @ s/twipsParUnite \/ twipsParMm/1.0/ @ modules_test
recorder: readouts in SI units @ enregistreur.cpp @ *valeur * unite.parSI @ s/ \* unite.parSI// @ recorder_test
recorder: reflection speeds in mm/s @ reflectionmodel.h @ {"cm/s", mmParMetre / 10} @ s/mmParMetre \/ 10}/mmParMetre}/ @ modules_test
recorder: crest within the last period @ recording.cpp @ if (std::isnan(expected)) @ s/std::isnan(expected)/true/ @ recorder_test
recorder: standing wave given a delay @ recording.cpp @ <= 1e-9 * std::max(1.0, std::fabs(tB)) @ s/1e-9/0/ @ recorder_test
recorder: crest half a period off taken @ recording.cpp @ > (*next - *(next - 1)) / 4) @ s/\/ 4)/* 4)/ @ recorder_test
recorder: driven string on the shared time @ drivenstringmodel.h @ return m_state.tempsPropre; @ s/m_state.tempsPropre/m_shared.temps/ @ modules_test
recorder: reflection on the shared time @ reflectionmodel.h @ return m_state.tempsPropre; @ s/m_state.tempsPropre/m_shared.temps/ @ modules_test
recorder: placed at the screen's corner @ pointtracker.cpp @ placeRecorder(); @ s/placeRecorder();// @ recorder_test
recorder: placed over the picture @ placement.cpp @ const std::tuple cost @ s/overlap(here, picture), overlap(here, window)/overlap(here, window), overlap(here, picture)/ @ recorder_test
recorder: kept at full width beside a wide window @ pointtracker.cpp @ m_recorder->resize(beside, @ s/m_recorder->resize(beside, m_recorder->height());/(void)0;/ @ recorder_test
recorder: closed from its frame, points still followed @ pointtracker.cpp @ &Enregistreur::ferme @ s/connect(/if (false) connect(/ @ recorder_test
recorder: closed from its frame, only hidden @ enregistreur.cpp @ setAttribute(Qt::WA_DeleteOnClose); @ s/.*// @ recorder_test
recorder: second point replaces the first @ pointtracker.cpp @ m_tracked[Recording::A] ? Recording::B : Recording::A; @ s/m_tracked\[Recording::A\] ? Recording::B : Recording::A/Recording::A/ @ modules_test
recorder: B records A's displacement @ pointtracker.cpp @ m_string.upwardMm(m_x[p]) @ s/m_x\[p\]/m_x[Recording::A]/ @ modules_test
recorder: driven string in cm @ drivenstringmodel.h @ return hauteur(int(x)); @ s/hauteur(int(x))/hauteur(int(x)) \/ 10/ @ modules_test
recorder: reflection in cm @ reflectionmodel.h @ double upwardMm(double x) @ s/hauteur(x, temps())/hauteur(x, temps()) \/ 10/ @ modules_test
recorder: driven string distance in points @ drivenstringmodel.h @ return x * m_state.dx; @ s/x \* m_state.dx/x/ @ modules_test
recorder: reflection distance in cm @ reflectionmodel.h @ double metres(double x) @ s/mmParMetre/100/ @ modules_test
recorder: eigenmodes distance from cm @ stringmodesmodel.h @ double metres(double x) @ s/mmParMetre/100/ @ modules_test
recorder: eigenmodes distance in mm @ stringmodesmodel.h @ {"cm", 100} @ s/100/1000/ @ modules_test
recorder: reflection speed set in cm/s @ reflectionmodel.h @ celeriteValue() / mmParMetre; @ s/mmParMetre;/100;/ @ modules_test
recorder: eigenmodes speed set in dm/s @ stringmodesmodel.h @ return Celerite(masseReglee(), masseLineique); @ s/masseLineique);/masseLineique) * 10;/ @ modules_test
recorder: new mass keeps the trace @ modescorde.cpp @ // the next frame has other periods @ s/m_suivi->cut();// @ modules_test
recorder: new length keeps the trace @ modescorde.cpp @ // a string of another length @ s/m_suivi->cut();// @ modules_test
picture named to the hundredth of a second @ pictureexport.cpp @ toString(seconds, 'f', 3) @ s/'f', 3/'f', 2/ @ modules_test
eigenmodes picture named in ms @ stringmodesmodel.h @ m_state.tempsAffiche / msParSeconde; @ s/ \/ msParSeconde// @ modules_test
description: free end said fixed @ drivenstringdescription.cpp @ return "extrémité droite libre"; @ s/libre/fixe/ @ driven_string_test
description: downward said upward @ drivenstringdescription.cpp @ (h > 0 ? "vers le haut" : "vers le bas") @ s/h > 0/h < 0/ @ driven_string_test
description: pulse at its point number @ drivenstringdescription.cpp @ nombreFrancais(metres(plusLoin), 3) @ s/metres(plusLoin)/plusLoin/ @ driven_string_test
description: nodes a quarter wave off @ reflectiondescription.cpp @ noeuds.push_back(nombreFrancais(n * demiOnde, 1)); @ s/n \* demiOnde/(n + 0.5) * demiOnde/ @ reflection_test
description: dial phase from three o'clock @ reflectiondescription.cpp @ (m_state.angleCadran + pi / 2) @ s/ + pi \/ 2// @ reflection_test
description: harmonics one off @ stringmodesdescription.cpp @ jouees.push_back(std::to_string(n)); @ s/(n)/(n + 1)/ @ string_modes_test
description: driven string at the shared time @ drivenstringmodel.h @ return m_state.tempsAffiche; @ s/m_state.tempsAffiche/m_shared.temps/ @ modules_test
description: reflection at the shared time @ reflectionmodel.h @ return m_state.tempsAffiche; @ s/m_state.tempsAffiche/m_shared.temps/ @ modules_test
description: eigenmodes at the shared time @ stringmodesmodel.h @ m_state.tempsAffiche / msParSeconde; @ s/m_state.tempsAffiche/temps()/ @ string_modes_test
description: recorder's plot without its readouts @ enregistreur.cpp @ parties << ligne->text(); @ s/parties << ligne->text();/(void)ligne;/ @ modules_test
description: never told while animating @ picturedescription.cpp @ annonce(); @ s/annonce();/(void)0;/ @ e2e_accessibility
description: told at every frame @ picturedescription.cpp @ m_depuisAnnonce.elapsed() >= intervalleMs @ s/>= intervalleMs/>= 0/ @ e2e_accessibility
windows announced as panes @ windowaccessible.cpp @ QAccessible::Window); @ s/Window/Client/ @ e2e_accessibility
traces check box unnamed @ vibreurimage.cpp @ nameAfter(traces, {Label14}); @ s/{Label14}/{}/ @ e2e_accessibility
harmonic bars share one name @ modescordelayout.cpp @ tr("Harmonique %1").arg(rang->Caption()) @ s/.arg(rang->Caption())// @ e2e_accessibility
bars speak their raw steps @ controls.cpp @ const QString number = frenchNumber(quantity()); @ s/quantity()/Value()/ @ e2e_accessibility
values spoken with a decimal point @ numberformat.cpp @ QLocale french(QLocale::French); @ s/French/C/ @ e2e_accessibility
English: a caption left French @ vellane_en.ts @ <translation>Step</translation> @ s/Step/Pas à pas/ @ modules_test
English: a caption too long for its place @ vellane_en.ts @ <translation>Right end of the string</translation> @ s/Right end of the string/Physical properties of the right end of the string/ @ modules_test
English: a menu left French @ pointtracker.cpp @ tr("Suivre ce point") @ s/tr(\("[^"]*"\))/QStringLiteral(\1)/ @ modules_test
English: a control renamed with its caption @ enregistreur.cpp @ m_effacer->setObjectName(QStringLiteral("Effacer")); @ s/QStringLiteral/tr/ @ modules_test
--langue forgotten @ commandline.cpp @ read.language = language; @ s/= language;/= std::nullopt;/ @ modules_test
LANG read before LC_ALL @ language.cpp @ {"LC_ALL", "LC_MESSAGES", "LANG"} @ s/"LC_ALL", "LC_MESSAGES", "LANG"/"LANG", "LC_ALL", "LC_MESSAGES"/ @ modules_test
LANGUAGE's order ignored @ language.cpp @ if (const std::optional<Language> language = languageOf(entry)) @ s/languageOf(entry))/languageOf(entry); language == Language::English)/ @ modules_test
Tab order: dial before the panel's bars @ reflexion.cpp @ setTabOrder(celerite, pendule); @ s/.*// @ modules_test
Tab order: picture before the panel @ modescorde.cpp @ setTabOrder(Harmonique( @ s/.*// @ modules_test
keyboard follow at the picture's middle @ pointtracker.cpp @ [cursor] { return cursor->point(); } @ s/\[cursor\] { return cursor->point(); }/KeyboardPoint()/ @ modules_test
Shift+F10 ignored @ picturemenu.cpp @ (key->key() == Qt::Key_F10 @ s/Qt::ShiftModifier/Qt::AltModifier/ @ modules_test
menu key ignored @ picturemenu.cpp @ return key->key() == Qt::Key_Menu @ s/Qt::Key_Menu/Qt::Key_Help/ @ modules_test
cursor steps the other way @ stringcursor.cpp @ moveTo(m_x + pas); @ s/m_x + pas/m_x - pas/ @ modules_test
cursor's Shift steps a hundredth @ stringcursor.cpp @ constexpr double grandPas = 10; @ s/= 10;/= 1;/ @ e2e_accessibility
picture's focus unmarked @ picturemenu.cpp @ if (picture->hasFocus()) @ s/picture->hasFocus()/false/ @ modules_test
focus marks kept in a copied picture @ pictureexport.cpp @ const QSignalBlocker @ s/.*// @ modules_test
focus left behind by a hidden button @ controls.cpp @ other->setFocus(Qt::OtherFocusReason); @ s/other->setFocus(Qt::OtherFocusReason)/(void)0/ @ modules_test
recorder's buttons deaf to Enter @ enregistreur.cpp @ setAutoDefault(true); @ s/true/false/ @ recorder_test
recorder's plot out of the Tab order @ enregistreur.cpp @ setFocusPolicy(Qt::TabFocus); @ s/TabFocus/NoFocus/ @ modules_test
recorder's focused plot unmarked @ enregistreur.cpp @ if (hasFocus()) { @ s/hasFocus()/false/ @ modules_test
recorder's focused button unmarked @ enregistreur.cpp @ FocusMark::paintInsideFrame(this, rect()); @ s/FocusMark::paintInsideFrame(this, rect())/(void)0/ @ modules_test
windows of another class than the menu's @ main.cpp @ setApplicationName(applicationName()); @ s/(applicationName())/(applicationId())/ @ e2e_install
menu entry naming another window class @ vellane.desktop.in @ StartupWMClass= @ s/=.*/=Vellane/ @ e2e_install
menu entry under two main categories @ data/CMakeLists.txt @ set(categories Education Physics) @ s/Education/Education Science/ @ e2e_install
EOF
)
# ONLY=text runs the mutations whose name holds it.
mutations=$(grep -i -- "${ONLY:-}" <<<"$mutations")

cd "$repo"
{ git ls-files; git ls-files --others --exclude-standard; } | sort -u | while read -r f; do
    [ -f "$f" ] && echo "$f"
done >"$work/files"
tar -cf - -T "$work/files" | tar -xf - -C "$work"

# The tests the mutations run, built and passed once before any mutation.
all_tests=$(awk -F ' @ ' '{print $5}' <<<"$mutations" | tr ' ' '\n' | sort -u | tr '\n' ' ')
cmake -S "$work" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLANE_BENCHMARKS=OFF \
    -DCMAKE_UNITY_BUILD=OFF >"$work/configure.log"
# What a list of tests builds: an end-to-end test runs the program and the
# screen probe, and installs it with its icons.
targets() { sed -E 's/(^| )e2e_[a-z_]+/ vellane screenprobe vellane_desktop_files/g' <<<"$1"; }
# shellcheck disable=SC2086
cmake --build "$build" -j2 --target $(targets "$all_tests") >"$work/build.log" 2>&1 \
    || { tail -30 "$work/build.log"; exit 1; }
regex() { echo "^($(tr ' ' '|' <<<"$1" | sed 's/|*$//'))\$"; }
ctest --test-dir "$build" -R "$(regex "$all_tests")" --timeout 120 >"$work/ctest.log" \
    || { cat "$work/ctest.log"; echo "The tests fail without any mutation."; exit 1; }

caught=0
survived=0
results=()
while read -r -u 3 row; do
    IFS=$'\x1f' read -r name file text expression tests <<<"${row// @ /$'\x1f'}"
    path=$(grep -E "(^|/)${file//./\\.}\$" "$work/files" || true)
    lines=$(if [ -n "$path" ]; then grep -nF -- "$text" "$work/$path" | cut -d: -f1; fi || true)
    if [ -z "$path" ] || [ "$(wc -w <<<"$lines")" != 1 ]; then
        results+=("$(printf '%-9s %-42s %s (%s lines)' 'NOT FOUND' "$name" "$file" "$(wc -w <<<"$lines")")")
        echo "${results[-1]}"
        survived=$((survived + 1))
        continue
    fi
    cp -p "$work/$path" "$work/original"
    sed -i "${lines}${expression}" "$work/$path" || true
    # shellcheck disable=SC2086 # the test names are words
    if cmp -s "$work/$path" "$work/original"; then
        verdict='UNCHANGED'
        survived=$((survived + 1))
    elif ! cmake --build "$build" -j2 --target $(targets "$tests") >"$work/mutant.log" 2>&1; then
        verdict='NO BUILD'
        survived=$((survived + 1))
    elif ctest --test-dir "$build" -R "$(regex "$tests")" --timeout 60 >>"$work/mutant.log" 2>&1; then
        verdict='SURVIVED'
        survived=$((survived + 1))
    else
        verdict='caught'
        caught=$((caught + 1))
    fi
    cp "$work/original" "$work/$path"
    touch "$work/$path"
    results+=("$(printf '%-9s %-42s %s:%s' "$verdict" "$name" "$path" "$lines")")
    echo "${results[-1]}"
done 3<<<"$mutations"

echo
printf '%s\n' "${results[@]}"
echo
echo "$caught caught, $survived survived"
