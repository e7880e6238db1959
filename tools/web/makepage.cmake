# Writes the site's page from its template, with the @font-face rules of the
# web fonts in place of @VELMO_FONT_FACES@. Run by the build (cmake -P) with
# TEMPLATE, FACES, OUTPUT, VELMO_PRODUCT_NAME and PROJECT_DESCRIPTION.
file(READ "${FACES}" VELMO_FONT_FACES)
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
