# Installation and the Debian package.
#
#   cmake --install build [--prefix DIR]   programs in bin/, data and example projects in
#                                          share/varquin/, desktop entry, icon and MIME type
#   cpack --config build/CPackConfig.cmake -G DEB
#
# Included at the end of the top-level CMakeLists.txt, once every program target is
# known. The programs look for their data in ../share/varquin beside the executable,
# so the data folder below is fixed to share/varquin whatever the GNU directories say.

install(TARGETS varquin-cli RUNTIME DESTINATION bin)
if(TARGET varquin)
    install(TARGETS varquin RUNTIME DESTINATION bin)
endif()

install(DIRECTORY ${VARQUIN_REFERENCE_DIR}/ DESTINATION share/varquin)
# The example projects the main window's "Ouvrir un exemple" lists.
install(DIRECTORY ${CMAKE_CURRENT_LIST_DIR}/../examples/ DESTINATION share/varquin/examples
        FILES_MATCHING PATTERN "*.vqp")

set(VARQUIN_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR}/../packaging)
install(FILES ${VARQUIN_PACKAGING_DIR}/varquin.desktop DESTINATION share/applications)
install(FILES ${VARQUIN_PACKAGING_DIR}/varquin.svg
        DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${VARQUIN_PACKAGING_DIR}/varquin.xml DESTINATION share/mime/packages)

# --- Debian package -----------------------------------------------------------------
set(CPACK_PACKAGE_NAME varquin)
set(CPACK_PACKAGE_VENDOR NORDAVE)
set(CPACK_PACKAGE_CONTACT "NORDAVE <varquin@nordave.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dimensionnement de chauffe-eau solaires")
set(CPACK_PACKAGE_DESCRIPTION
    "VARQUIN dimensionne les chauffe-eau solaires d'eau chaude sanitaire, mois par mois,\n\
par une méthode mensuelle : besoins, taux de couverture solaire, énergie fournie et\n\
productivité par m² de capteur. Le paquet contient le programme, le calculateur en\n\
ligne de commande varquin-cli et les données de référence.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.nordave.example/varquin")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The shared libraries the programs link (libc, libstdc++, Qt) come from dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
if(TARGET varquin)
    # Named as well: the platform plugins, Qt's French translations of its own dialogs
    # and the report's fonts are loaded at run time, where dpkg-shlibdeps cannot see them.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6widgets6, libqt6printsupport6, libqt6gui6, qt6-qpa-plugins, \
qt6-translations-l10n, fonts-liberation")
    # The maker's web page is opened through xdg-open (the help has its own window).
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
endif()
include(CPack)

# --- test of the installed layout ---------------------------------------------------
if(VARQUIN_TESTS)
    if(TARGET varquin)
        set(VARQUIN_AVEC_BUREAU 1)
    else()
        set(VARQUIN_AVEC_BUREAU 0)
    endif()
    add_test(NAME installation
             COMMAND ${CMAKE_CURRENT_LIST_DIR}/../tests/installation.sh ${CMAKE_COMMAND}
                     ${CMAKE_BINARY_DIR} ${VARQUIN_REFERENCE_DIR} ${VARQUIN_AVEC_BUREAU})
    set_tests_properties(installation PROPERTIES SKIP_RETURN_CODE 77)
endif()
