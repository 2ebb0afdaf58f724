# The Debian package, built by `cpack -G DEB` in a build folder (see the
# README): the installed tree under /usr, its library dependencies found by
# dpkg-shlibdeps, plus the fonts the layout is measured with and Qt's French
# texts for its dialogs.
set(CPACK_PACKAGE_NAME vellane)
set(CPACK_PACKAGE_VENDOR "Équipe Vellane")
set(CPACK_PACKAGE_CONTACT "Équipe Vellane <maintainers@users.noreply.c-seed-ef0b6128.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Under the synopsis, CPACK_PACKAGE_DESCRIPTION_SUMMARY.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Un programme d'enseignement, en français, sur les ondes mécaniques à une
dimension. L'écran d'accueil propose trois simulations : une corde excitée
par un vibreur (sinusoïde ou impulsion solitaire) dont l'autre extrémité est
fixe, libre ou absorbante ; une onde incidente, sa réflexion sur une
extrémité fixe et l'onde stationnaire qu'elles forment, avec un cadran pour
la phase ; les modes propres d'une corde tendue par une masse suspendue.")
include(CPack)
