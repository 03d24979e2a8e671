# Stages what an installation delivers into <prefix>/share/korvex, laid out as a program
# directory holds it: the macros, the detection files, the template and first Player-CFG, the
# options, the first-run marker, and the handbook with its pictures from the docs directory
# beside DATA_DIR. Staged anew every time, so that a file taken out of the sources goes too.
# Arguments: DATA_DIR, DELIVERED_DIR.
file(REMOVE_RECURSE ${DELIVERED_DIR})
file(MAKE_DIRECTORY ${DELIVERED_DIR}/docs)
file(COPY ${DATA_DIR}/macros ${DATA_DIR}/automod ${DATA_DIR}/players ${DATA_DIR}/korvexoptions.dat
          ${DATA_DIR}/korvex.ini DESTINATION ${DELIVERED_DIR})
get_filename_component(DOCS_DIR ${DATA_DIR}/../docs ABSOLUTE)
file(COPY ${DOCS_DIR}/handbook.md ${DOCS_DIR}/images DESTINATION ${DELIVERED_DIR}/docs)
