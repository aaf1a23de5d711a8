# CPack: a Debian package (cpack -G DEB) of the programs and what desktop/ installs.
set(CPACK_PACKAGE_NAME vspace)
set(CPACK_PACKAGE_VENDOR "The vspace developers")
set(CPACK_PACKAGE_CONTACT "The vspace developers <developers@vspace.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching tool for candidate-elimination concept learning")
set(CPACK_PACKAGE_DESCRIPTION "vspace teaches the candidate-elimination algorithm of concept learning.
Type a training instance of six values and press Positive or Negative: the
specific boundary S, the general boundary G and the version space between them
change before your eyes. Then type an unseen instance and press Predict.
.
vspace-replay plays a recorded session through the same engine without a
window.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://vspace.org/")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's faces: one with the widths of "MS Sans Serif", and Thai.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-tlwg-loma-otf")
include(CPack)
