# Installation as a desktop program (the program, its desktop entry, icon, AppStream metainfo,
# the type of decision files, help and translations) and its Debian package.
include(GNUInstallDirs)

set(ANALYZE_APP_ID ru.orvasta.Analyze)
set(ANALYZE_DATA_SUBDIR ${CMAKE_INSTALL_DATADIR}/analyze)

# The installed program finds its data relative to itself, so the same build works under any
# prefix (cmake --install --prefix, the package's /usr).
file(RELATIVE_PATH ANALYZE_DATA_FROM_PROGRAM
    ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${ANALYZE_DATA_SUBDIR})
target_compile_definitions(analyze_app PRIVATE ANALYZE_DATA_FROM_PROGRAM="${ANALYZE_DATA_FROM_PROGRAM}")
# The same for the modules (sensitivity window, spreadsheets), in a folder of the program's own beside the libraries.
set(ANALYZE_MODULES_SUBDIR ${CMAKE_INSTALL_LIBDIR}/analyze)
file(RELATIVE_PATH ANALYZE_MODULES_FROM_PROGRAM
    ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${ANALYZE_MODULES_SUBDIR})
target_compile_definitions(analyze_app PRIVATE ANALYZE_MODULES_FROM_PROGRAM="${ANALYZE_MODULES_FROM_PROGRAM}")

set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
install(TARGETS analyze RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS analyze_sensitivity analyze_xlsx LIBRARY DESTINATION ${ANALYZE_MODULES_SUBDIR} NAMELINK_SKIP)
install(FILES ${desktop}/${ANALYZE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop}/${ANALYZE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop}/${ANALYZE_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
    RENAME ${ANALYZE_APP_ID}.xml)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/analyze.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${ANALYZE_APP_ID}.svg)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/ DESTINATION ${ANALYZE_DATA_SUBDIR}/help)
# Whatever translations the build has compiled; none is not an error.
install(DIRECTORY ${PROJECT_BINARY_DIR}/translations/ DESTINATION ${ANALYZE_DATA_SUBDIR}/translations
    OPTIONAL FILES_MATCHING PATTERN "*.qm")

set(ANALYZE_PACKAGE_MAINTAINER "Orvasta <analyze@orvasta.ru>" CACHE STRING "Maintainer of the Debian package")
# The first packaging of this version (1.0-1): its changelog is Debian's own, not the program's.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)

# Debian wants the copyright and its own changelog beside every package's documentation, the
# changelog compressed to the full and without a time stamp (gzip -9n).
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in ${PROJECT_BINARY_DIR}/debian/changelog.Debian @ONLY)
execute_process(COMMAND gzip -9n -c ${PROJECT_BINARY_DIR}/debian/changelog.Debian
    OUTPUT_FILE ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz RESULT_VARIABLE gzip_status)
if(NOT gzip_status EQUAL 0)
    message(FATAL_ERROR "gzip could not compress the Debian changelog")
endif()
install(FILES ${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# cpack -G DEB
set(CPACK_PACKAGE_NAME analyze)
set(CPACK_PACKAGE_VENDOR Orvasta)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "decision by the Analytic Hierarchy Process (Анализ иерархий)")
set(CPACK_PACKAGE_DESCRIPTION [=[
A five-page wizard guides one decision by the Analytic Hierarchy Process:
3 to 15 criteria and 3 to 10 alternatives, pairwise judgements on the 1/9 to 9
scale, priorities by geometric means, a consistency check of every matrix,
global priorities and one sentence naming the best alternative. Every page
prints as a one-page report.]=])
set(CPACK_PACKAGE_CONTACT ${ANALYZE_PACKAGE_MAINTAINER})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ANALYZE_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program loads at run time rather than links: the SVG icon engine of its pictures,
# Qt's own Russian texts, and the face with the metrics of the forms' design (not DejaVu, which
# every system has and which is too wide for the labels), and libcups, opened at the first print.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-translations-l10n, fonts-liberation, libcups2 | libcups2t64")
include(CPack)
