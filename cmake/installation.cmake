# Installing as a desktop application (programs, menu entry, exercise type,
# icon, AppStream metadata, manual pages, shared data) and the Debian package
# made by `cpack -G DEB` from the build folder.
include(GNUInstallDirs)

set(VIVEZEZI_ID fr.vivezezi.Vivezezi)
set(VIVEZEZI_SITE_WEB "https://vivezezi.example.org" CACHE STRING
  "Public address of the project, whose docs/ folder holds the README's pictures")
set(VIVEZEZI_DONNEES_INSTALLEES ${CMAKE_INSTALL_DATADIR}/vivezezi)
set(EMBALLAGE ${PROJECT_SOURCE_DIR}/packaging)

foreach(programme vivezezi vivezezi-cli)
  if(TARGET ${programme})
    install(TARGETS ${programme} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The shared data: the program finds it at ../share/vivezezi from its folder.
file(GLOB PAGES_AIDE CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*.alp)
install(FILES ${PAGES_AIDE} ${PROJECT_SOURCE_DIR}/data/Vivezezi.ini ${PROJECT_SOURCE_DIR}/data/regles_erronees.txt DESTINATION ${VIVEZEZI_DONNEES_INSTALLEES})
if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/data/exercices)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/exercices DESTINATION ${VIVEZEZI_DONNEES_INSTALLEES}
    FILES_MATCHING PATTERN "*.alg")
endif()

install(FILES ${EMBALLAGE}/${VIVEZEZI_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${EMBALLAGE}/${VIVEZEZI_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME ${VIVEZEZI_ID}.xml)
install(FILES ${EMBALLAGE}/${VIVEZEZI_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${EMBALLAGE}/${VIVEZEZI_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
  RENAME application-x-vivezezi-exercice.svg)
configure_file(${EMBALLAGE}/${VIVEZEZI_ID}.metainfo.xml.in ${PROJECT_BINARY_DIR}/${VIVEZEZI_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${VIVEZEZI_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${EMBALLAGE}/vivezezi.1 ${EMBALLAGE}/vivezezi-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package: its library dependencies are computed by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME vivezezi)
set(CPACK_PACKAGE_VENDOR Vivezezi)
set(CPACK_PACKAGE_CONTACT "Vivezezi <vivezezi@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "algebra practice step by step, in French")
set(CPACK_PACKAGE_DESCRIPTION
  "Secondary-school pupils type or load an expression, an equation, an inequation
or a system, transform it step by step with action panels and have their answer
marked out of 20. Teachers write exercises (.alg files) in a mode behind a
password. Includes vivezezi-cli, which runs the algebra engine's operations
by name.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${VIVEZEZI_SITE_WEB})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own dialogs in French.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
# The font the windows are drawn with.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
include(CPack)

# An installation into a temporary prefix, checked file by file and started there.
if(VIVEZEZI_TESTS)
  add_test(NAME installation_prefixe_temporaire
    COMMAND sh ${PROJECT_SOURCE_DIR}/tests/installation/installe.sh ${PROJECT_BINARY_DIR})
  set_tests_properties(installation_prefixe_temporaire PROPERTIES SKIP_RETURN_CODE 77)
endif()
