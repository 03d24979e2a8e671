# Lays out a runnable program directory: the delivered macros and detection files are
# refreshed on every build, while what the player changes (Player-CFGs, the last player,
# the options) is only put there when it is missing. The first-run marker belongs to a new
# program directory alone: Korvex deletes it at the first start, and putting it back would
# show the disclaimer again after every build.
# The handbook and its pictures come from the docs directory beside DATA_DIR, refreshed like
# the macros.
# Arguments: DATA_DIR, PROGRAM_DIR.
if(NOT EXISTS ${PROGRAM_DIR}/players)
  configure_file(${DATA_DIR}/korvex.ini ${PROGRAM_DIR}/korvex.ini COPYONLY)
endif()

foreach(dir macros automod mods players)
  file(MAKE_DIRECTORY ${PROGRAM_DIR}/${dir})
endforeach()

foreach(dir macros automod)
  file(GLOB delivered ${DATA_DIR}/${dir}/*)
  if(delivered)
    file(COPY ${delivered} DESTINATION ${PROGRAM_DIR}/${dir})
  endif()
endforeach()

get_filename_component(DOCS_DIR ${DATA_DIR}/../docs ABSOLUTE)
if(EXISTS ${DOCS_DIR}/handbook.md)
  file(COPY ${DOCS_DIR}/handbook.md ${DOCS_DIR}/images DESTINATION ${PROGRAM_DIR}/docs)
endif()

file(GLOB_RECURSE kept RELATIVE ${DATA_DIR} ${DATA_DIR}/players/* ${DATA_DIR}/korvexoptions.dat)
foreach(file ${kept})
  if(NOT EXISTS ${PROGRAM_DIR}/${file})
    configure_file(${DATA_DIR}/${file} ${PROGRAM_DIR}/${file} COPYONLY)
  endif()
endforeach()
