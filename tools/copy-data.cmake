# Copies the game's data beside the program (cmake -DSOURCE=... -DDEST=... -P this file).
# The high score file is the player's: it is copied only when there is none yet.
file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(f IN LISTS files)
  if(f STREQUAL "Winners.txt" AND EXISTS ${DEST}/${f})
    continue()
  endif()
  get_filename_component(dir ${DEST}/${f} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  file(COPY_FILE ${SOURCE}/${f} ${DEST}/${f} ONLY_IF_DIFFERENT)
endforeach()
