# Writes the site's page from its template, with the @font-face rules of the
# web fonts in place of @VELMO_FONT_FACES@ and their preload links in place of
# @VELMO_FONT_PRELOADS@. Run by the build (cmake -P) with TEMPLATE, FACES,
# PRELOADS, OUTPUT, VELMO_PRODUCT_NAME and PROJECT_DESCRIPTION.
file(READ "${FACES}" VELMO_FONT_FACES)
file(READ "${PRELOADS}" VELMO_FONT_PRELOADS)
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
