# Fills a package's folder: the program, and the users' README and the
# licence as text files with Windows line ends, which every Windows editor
# shows.
#
# usage: cmake -DEXE=Netvik.exe -DSOURCE=SOURCE_DIR -DSTAGE=FOLDER -P stage.cmake
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
file(COPY_FILE ${EXE} ${STAGE}/Netvik.exe)
foreach(text packaging/README.txt:README.txt LICENSE:LICENSE.txt)
  string(REPLACE ":" ";" names ${text})
  list(GET names 0 from)
  list(GET names 1 to)
  file(READ ${SOURCE}/${from} content)
  string(REPLACE "\r\n" "\n" content "${content}")
  string(REPLACE "\n" "\r\n" content "${content}")
  file(WRITE ${STAGE}/${to} "${content}")
endforeach()
