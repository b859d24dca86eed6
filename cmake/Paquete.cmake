# The Debian package, built by CPack from the install rules: quelmar_<version>_<arch>.deb. Its
# library dependencies come from dpkg-shlibdeps; the rest are what Qt loads at run time and no
# linker sees.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quelmar)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Quelmar developers <quelmar@example.org>")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/paquete)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window system's plugin, the SVG icon engine and Qt's own Spanish texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "enseñanza de la lotificación en MRP
Quelmar es un programa de escritorio para enseñar y experimentar con la
lotificación en MRP (planificación de necesidades de materiales): calcula el
registro MRP y sus costes con lote a lote, EOQ, POQ, mínimo coste total,
mínimo coste unitario, Silver-Meal o el mejor de ellos, y compara los seis
métodos sobre miles de problemas aleatorios.
.
El paquete trae también quelmar-cli, que resuelve problemas y repite
experimentos desde la línea de órdenes.")
include(CPack)
