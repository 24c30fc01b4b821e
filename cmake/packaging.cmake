# The Debian package, made by CPack from the install rules: `cpack -G DEB` in
# a Release build configured with the prefix /usr (tools/package.sh).

set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_CONTACT "Velmora developers <velmora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The extended description: lines of at most 80 characters, as Debian wants.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A desktop calculator for small square systems: pick a dimension N from 1"
    "to 6, type the coefficient matrix A and the vector y, and Velmora shows"
    "det(A), the inverse of A, the solution of A x = y, and the matrix of"
    "sub-determinants or of signed Laplace terms of A.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# The libraries are found by dpkg-shlibdeps; the fonts the window asks for by
# name are not, nor Qt's SVG image plugin (in libqt6svg6), which renders the
# background at a scale other than the build's, so they are named here and
# added to what it finds.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, libqt6svg6")

include(CPack)
