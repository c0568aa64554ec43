# Copies the game's data beside the program (cmake -DSOURCE=... -DDEST=... -DFILES=a;b -P
# this file; FILES are relative to SOURCE). The high score file is the player's: it is
# copied only when there is none yet.
foreach(f IN LISTS FILES)
  if(f STREQUAL "Winners.txt" AND EXISTS ${DEST}/${f})
    continue()
  endif()
  get_filename_component(dir ${DEST}/${f} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  file(COPY_FILE ${SOURCE}/${f} ${DEST}/${f} ONLY_IF_DIFFERENT)
endforeach()
