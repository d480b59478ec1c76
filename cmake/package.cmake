# The .deb package: dependencies from dpkg-shlibdeps, built by `cpack`.
set(CPACK_PACKAGE_NAME "vapentis")
set(CPACK_PACKAGE_VENDOR "Ardelle")
set(CPACK_PACKAGE_CONTACT "Ardelle <info@ardelle.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Engineering calculator for MVR evaporation plants")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SVG plugins ship in libqt6svg6, Qt's Chinese texts in qt6-translations-l10n; a
# Song face renders the window's Chinese text, and WenQuanYi Micro Hei the pictures'
# Chinese labels where they are drawn at run time (screen scales other than 100 and
# 200 %), as at build time.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "libqt6svg6, qt6-translations-l10n, fonts-arphic-uming | fonts-noto-cjk, fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.ardelle.example")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
include(CPack)
