# A Debian package whose dependencies are read off the shared libraries the program really uses.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tvirdex)
set(CPACK_PACKAGE_VERSION "${TVIRDEX_VERSION}")
set(CPACK_PACKAGE_VENDOR "${TVIRDEX_PUBLISHER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "School quiz on the Mohs scale of mineral hardness")
set(CPACK_PACKAGE_DESCRIPTION
    "Tvirdex (Твирдекс) is a Bulgarian desktop quiz: the pupil pairs each of the ten\nreference minerals of the Mohs scale with its hardness value.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_CONTACT "${TVIRDEX_PUBLISHER} <info@${TVIRDEX_PUBLISHER_DOMAIN}>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${TVIRDEX_PUBLISHER_URL}/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Cyrillic glyphs with the metrics the fixed layout was drawn for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
set(CPACK_STRIP_FILES ON)
include(CPack)
