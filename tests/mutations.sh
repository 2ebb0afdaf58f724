#!/usr/bin/env bash
# One-line mutations of the models and the runtime that the tests must catch.
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
zone damping from point 100 @ drivenstringmodel.cpp @ if (i >= 110) @ s/110/100/ @ driven_string_model_test
zone damping from point 120 @ drivenstringmodel.cpp @ if (i >= 110) @ s/110/120/ @ driven_string_model_test
zone damping linear @ drivenstringmodel.cpp @ carre(1.0 + (i - 110) / 10.0) @ s/carre(\(.*\));/(\1);/ @ driven_string_model_test
zone wave speed halved @ drivenstringmodel.cpp @ const double r = c * m_shared.dt / y.dx; @ s/y.dx;/y.dx \/ 2;/ @ driven_string_model_test
free end copies point 98 @ drivenstringmodel.cpp @ = y.yNouveau[dernierPointCorde - 1]; @ s/- 1\]/- 2]/ @ driven_string_model_test
damping not halved in g @ drivenstringmodel.cpp @ const double g = m_shared.dt * m_state.amortissement; @ s/;/ * 2;/ @ driven_string_model_test
re-synchronised on the way down @ drivenstringmodel.cpp @ const bool passageMontant @ s/y.yActuel\[0\] < 0.0/y.yActuel[0] > 0.0/ @ driven_string_model_test
phase times pulsation @ drivenstringmodel.cpp @ / y.amplitude) / pulsation; @ s/) \/ pulsation/) * pulsation/ @ driven_string_model_test
exactly 100 mm overflows @ drivenstringmodel.cpp @ if (std::fabs(y.yNouveau[i]) > limite) @ s/> limite/>= limite/ @ driven_string_model_test
interior overflow clears the zone @ drivenstringmodel.cpp @ depassement(dernierPointCorde); @ s/dernierPointCorde/dernierPointZone/ @ driven_string_model_test
NaN in the zone unnoticed @ drivenstringmodel.cpp @ <= limiteZone)) @ s/!(std::fabs(y.yNouveau\[i\]) <= limiteZone)/std::fabs(y.yNouveau[i]) > limiteZone/ @ driven_string_model_test
sech halved @ drivenstringmodel.cpp @ return 2.0 / (std::exp(-x) @ s/2.0/1.0/ @ driven_string_model_test
decimal comma refused @ stepreader.cpp @ if (c == ',') @ s/','/';'/ @ driven_string_window_test
step 0 accepted @ stepreader.cpp @ pas >= pasMinimal @ s/pas >= pasMinimal/pas >= 0/ @ driven_string_window_test
minus sign lost @ numberreader.cpp @ nombre += '-'; @ s/'-'/'0'/ @ tst_runtime
comma read as decimal point @ numberreader.cpp @ s[i] == '.') { @ s/'\.'/','/ @ tst_runtime
tiny decimals read as huge @ numberreader.cpp @ ordre = -static_cast<long> @ s/= -static_cast/= static_cast/ @ tst_runtime
harmonic frequencies doubled @ stringmodesmodel.cpp @ m_state.pulsation[n] = @ s/\* c;/* c * 2;/ @ string_modes_model_test
wavelength of the next harmonic @ stringmodesmodel.cpp @ m_shared.longueurOnde[n] = @ s/\/ n;/\/ (n + 1);/ @ string_modes_model_test
tenth harmonic left out @ stringmodesmodel.cpp @ y = y + facteurs[n] * std::sin @ s/y = y + /y = n == 10 ? y : y + / @ string_modes_model_test
cosine in time @ stringmodesmodel.cpp @ std::sin(m_state.pulsation[n] * t) @ s/std::sin/std::cos/ @ string_modes_model_test
reflection without inversion @ reflectionmodel.cpp @ return -std::cos @ s/return -std::cos/return std::cos/ @ reflection_model_test
speed change keeps temps @ reflectionmodel.cpp @ ancienneFrequence / m_shared.frequence; @ s/ \* ancienneFrequence \/ m_shared.frequence// @ reflection_model_test
hand at six o'clock at time 0 @ reflectionmodel.h @ m_state.periode - pi / 2; @ s/- pi \/ 2/+ pi \/ 2/ @ reflection_model_test
pen not centred @ linerasterizer.cpp @ const double offset = 0.5 - w / 2.0; @ s/w \/ 2.0/w \/ 4.0/ @ tst_runtime
ends near a pixel edge rounded apart @ linerasterizer.cpp @ < 1e-3 ? nearest : floorToInt(v) @ s/1e-3/1e-6/ @ tst_runtime
negative ends truncated toward zero @ linerasterizer.cpp @ return v < truncated ? truncated - 1 : truncated; @ s/truncated - 1/truncated/ @ tst_runtime
one-pixel pen a column off @ linerasterizer.cpp @ bits[py * stride + px] = color; @ s/+ px\]/+ px + 1]/ @ tst_runtime
clipped short of the right edge @ linerasterizer.cpp @ const double hiX = imageWidth + w; @ s/imageWidth + w/imageWidth - w/ @ tst_runtime
last column of a wide pen dropped @ linerasterizer.cpp @ std::min(px + w, keptRight) @ s/keptRight)/keptRight - 1)/ @ tst_runtime
holes in a two-pixel pen @ linerasterizer.cpp @ row[stride] = row[stride + 1] = color; @ s/row\[stride\] = row\[stride + 1\]/row[stride]/ @ tst_runtime
pen width ignored @ drawingsurface.cpp @ m_lineWidth = int(std::lround(pixels * @ s/pixels \* // @ tst_runtime
filled box one pixel short @ drawingsurface.cpp @ floor(std::max(a.x(), b.x())) + 1.0 @ s/ + 1.0// @ tst_runtime
circle filled in the pen colour @ drawingsurface.cpp @ QBrush(m_fillColor) @ s/m_fillColor/m_foreColor/ @ tst_runtime
14 significant digits @ numberformat.cpp @ 'g', 15 @ s/15/14/ @ tst_runtime
extent width from the height @ userscale.cpp @ clientWidthTwips / width @ s/clientWidthTwips \/ width/clientWidthTwips \/ height/ @ tst_runtime
user y from the x unit @ userscale.cpp @ Twips::perPixel / m_unitY); @ s/m_unitY/m_unitX/ @ tst_runtime
ticks inside a message box @ formtimer.cpp @ if (HandlerGuard::active()) @ s/if (/if (false \&\& / @ tst_runtime
timer runs on after unload @ formtimer.cpp @ setEnabled(false); }); @ s/false/true/ @ tst_runtime
window at the top-left corner @ form.cpp @ frame.moveCenter( @ s/moveCenter(available.center())/moveTopLeft(available.topLeft())/ @ tst_runtime
large window centred above the screen @ form.cpp @ move(std::max(frame.left() @ s/move(.*/move(frame.topLeft());/ @ tst_runtime
re-centred at every show @ form.cpp @ if (!m_centred) { @ s/!m_centred/true/ @ tst_runtime
scroll bar changes while dragged @ controls.cpp @ setTracking(false); @ s/false/true/ @ tst_runtime
check box clicks without a change @ controls.cpp @ if (checked == isChecked()) @ s/checked == isChecked()/false/ @ tst_runtime
button name not following its label @ controls.cpp @ &Label::captionChanged, this, takeCaption @ s/connect(/if (false) connect(/ @ tst_runtime
captions under buttons one space apart @ controls.cpp @ return captions ? 2 * space : space; @ s/2 \* space/space/ @ tst_runtime
letters hardly tightened @ fonts.cpp @ maximumTightening = 1.0 / 20; @ s/20/200/ @ tst_runtime
last segment of the eigenmodes not computed @ stringmodesmodel.cpp @ i <= segments; ++i) @ s/<=/</ @ string_modes_window_test
free end leaves a ghost @ vibreurimage.cpp @ y.yAffiche[bout] = y.yNouveau[bout]; @ s/y.yAffiche\[bout\] = y.yNouveau\[bout\];/(void)0;/ @ driven_string_window_test
clamp hidden at a fixed end @ vibreurpanneau.cpp @ Shape4->setVisible(true); @ s/true/false/ @ driven_string_window_test
reset keeps the traces @ vibreurcommandes.cpp @ traces->setValue(0); @ s/0/1/ @ driven_string_window_test
timed run never disarmed @ reflectionmodel.cpp @ m_state.tFin = 0; @ s/= 0;/= m_state.tFin;/ @ reflection_window_test
home screen closed by its frame keeps running @ accueil.cpp @ event->accept(); @ s/event->accept();/event->ignore(); return;/ @ tst_accueil
repaint region off by the border @ drawingsurface.cpp @ .translated(m_client.topLeft())); @ s/.translated(m_client.topLeft())// @ tst_runtime
incident wave stepped the wrong way @ reflectionmodel.cpp @ si = si * cb - ci * sb; @ s/- ci/+ ci/ @ reflection_model_test
frame without the tenth harmonic @ stringmodesmodel.cpp @ y = y + facteurs[n] * m_state.forme[n][i]; @ s/y = y + /y = n == 10 ? y : y + / @ string_modes_window_test
grid never drawn again @ drawingsurface.cpp @ m_changedSinceTaken |= changed; @ s/|= changed/|= QRect()/ @ driven_string_window_test
axis line beside the clip reported @ linerasterizer.cpp @ // nothing changed, or nothing of the line is kept @ s/return {};/{}/ @ tst_runtime
clip one row short @ linerasterizer.cpp @ const int keptBottom = kept.bottom() + 1; @ s/+ 1/+ 0/ @ tst_runtime
changes joined across the picture @ drawntiles.h @ static constexpr int tileWidth = 32; @ s/32/4096/ @ tst_runtime
drawn tiles never marked @ drawingsurface.cpp @ m_drawn.add(changed); @ s/.*// @ tst_runtime
recorder window counted as a sibling @ controls.cpp @ !widget->isWindow() && @ s/!widget->isWindow() && // @ driven_string_window_test
scroll bar keys inverted @ controls.cpp @ action = SliderSingleStepAdd; @ s/Add/Sub/ @ tst_modules
page keys inverted @ controls.cpp @ action = SliderPageStepAdd; @ s/Add/Sub/ @ tst_modules
focused scroll bar unmarked @ controls.cpp @ if (!hasFocus()) @ s/!hasFocus()/true/ @ tst_runtime
focused button unmarked @ controls.cpp @ QToolButton::paintEvent(event); @ s/;$/; return;/ @ tst_runtime
focused text box unmarked @ controls.cpp @ QLineEdit::paintEvent(event); @ s/;$/; return;/ @ tst_runtime
indicator marked in grey @ indicators.cpp @ FocusMark::paint(p, focusRect, color); @ s/color)/QColor(Qt::gray))/ @ tst_runtime
one-line caption wrapped first @ controls.cpp @ if (!holdsSeveralLines()) { @ s/!holdsSeveralLines()/false/ @ tst_runtime reflection_window_test
caption one pixel from a control after it @ controls.cpp @ return captions ? 2 * space : space; @ s/: space;/: (label ? space : 1.0);/ @ driven_string_window_test
unit above the baseline of the number @ controls.cpp @ drop = control->y() + box->textBaseline() @ s/box->textBaseline()/0/ @ driven_string_window_test
harmonic numbers above their bars @ controls.cpp @ - (top + metrics.ascent() - metrics.capHeight() / 2); @ s/ - metrics.capHeight() \/ 2// @ string_modes_window_test
text box text edge to edge @ controls.cpp @ = lineRect().width() - 2 * @ s/- 2 \*/- 0 */ @ driven_string_window_test
picture over the frame of its button @ controls.cpp @ shown.scale(room, Qt::KeepAspectRatio); @ s/shown.scale(room, Qt::KeepAspectRatio)/(void)0/ @ driven_string_window_test
last changed column not repainted @ drawntiles.cpp @ std::min(right, (column + 1) * tileWidth), bandBottom}); @ s/std::min(right,/std::min(right - 1,/ @ tst_runtime
sunken border one pixel short @ drawingsurface.cpp @ const QRect r = rect(); @ s/rect();/rect().adjusted(0, 0, -1, -1);/ @ tst_runtime
seams left at a fractional scale @ drawingsurface.cpp @ if (fractional) @ s/(fractional)/(fractional \&\& false)/ @ tst_runtime
save buffered, flushed only by commit @ filewrite.cpp @ if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) @ s/ | QIODevice::Unbuffered// @ tst_runtime recorder_window_test
save committed after a short write @ filewrite.cpp @ && file.write(bytes) == bytes.size() @ s/== bytes.size()/>= 0/ @ tst_runtime recorder_window_test
save message without the folder @ filewrite.cpp @ .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), reason)); @ s/QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())/QFileInfo(path).fileName()/ @ tst_runtime recorder_window_test
full disk told as an unknown error @ filewrite.cpp @ case ENOSPC: @ s/ENOSPC/EIO/ @ tst_runtime recorder_window_test
long word cut off in a message box @ messagebox.cpp @ if (metrics.horizontalAdvance(word) <= widest) { @ s/<= widest/<= 100 * widest/ @ tst_runtime
name too long refused without a word @ savedialog.cpp @ ->setEnabled(true); @ s/true/false/ @ tst_runtime
zoom too large for the screen kept @ screenzoom.cpp @ zoom.factor = std::min(commandLine.zoom, largest); @ s/std::min(commandLine.zoom, largest)/commandLine.zoomToScreen ? largest : commandLine.zoom/ @ tst_modules
option given twice accepted @ commandline.cpp @ if (given[index]) @ s/given\[index\]/false/ @ tst_modules
control characters quoted raw @ commandline.cpp @ case QChar::Other_Control: @ s/Other_Control/Symbol_Other/ @ tst_modules
long argument quoted whole @ commandline.cpp @ if (text.size() >= longest) @ s/>= longest/>= argument.size() + longest/ @ tst_modules
recorder: driven string downward @ drivenstringmodel.h @ return -m_state.yNouveau[point]; @ s/return -m_state/return m_state/ @ tst_modules recording_test
recorder: reflection downward @ reflectionmodel.h @ return -echelle * OndeResultante(x, t); @ s/return -echelle/return echelle/ @ tst_modules
recorder: eigenmodes downward @ stringmodesmodel.cpp @ return -mmParUnite * @ s/return -mmParUnite/return mmParUnite/ @ tst_modules
recorder: eigenmodes in display units @ stringmodesmodel.cpp @ constexpr double mmParUnite = @ s/twipsParUnite \/ twipsParMm/1.0/ @ tst_modules
recorder: readouts in SI units @ enregistreur.cpp @ *valeur * unite.parSI @ s/ \* unite.parSI// @ recorder_window_test
recorder: reflection speeds in mm/s @ reflexionsuivi.cpp @ mmParMetre / 10} @ s/mmParMetre \/ 10/mmParMetre/ @ tst_modules
recorder: crest within the last period @ recording.cpp @ if (std::isnan(expected)) @ s/std::isnan(expected)/true/ @ recording_test recorder_window_test
recorder: standing wave given a delay @ recording.cpp @ <= 1e-9 * std::max(1.0, std::fabs(tB)) @ s/1e-9/0/ @ recording_test
recorder: crest half a period off taken @ recording.cpp @ > (*next - *(next - 1)) / 4) @ s/\/ 4)/* 4)/ @ recorder_window_test
recorder: driven string on the shared time @ vibreursuivi.cpp @ m_suivi->sample(m_model.tempsPropre()); @ s/tempsPropre/temps/ @ tst_modules
recorder: reflection on the shared time @ reflexionsuivi.cpp @ m_suivi->sample(m_model.tempsPropre()); @ s/tempsPropre/temps/ @ tst_modules
recorder: placed at the screen's corner @ pointtracker.cpp @ placeRecorder(); @ s/placeRecorder();// @ recorder_window_test
recorder: placed over the picture @ placement.cpp @ const std::tuple cost @ s/overlap(here, picture), overlap(here, window)/overlap(here, window), overlap(here, picture)/ @ recorder_window_test
recorder: kept at full width beside a wide window @ pointtracker.cpp @ m_recorder->resize(beside, @ s/m_recorder->resize(beside, m_recorder->height());/(void)0;/ @ recorder_window_test
recorder: closed from its frame, points still followed @ pointtracker.cpp @ &Enregistreur::ferme @ s/connect(/if (false) connect(/ @ recorder_window_test
recorder: closed from its frame, only hidden @ enregistreur.cpp @ setAttribute(Qt::WA_DeleteOnClose); @ s/.*// @ recorder_window_test
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
# shellcheck disable=SC2086
cmake --build "$build" -j2 --target $all_tests >"$work/build.log" 2>&1 \
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
    elif ! cmake --build "$build" -j2 --target $tests >"$work/mutant.log" 2>&1; then
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
