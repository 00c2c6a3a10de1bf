# The release of a Windows tree: the version resource's and the manifest's
# fields from the project's one version (project() in CMakeLists.txt), and
# the tree's packages in dist/: a zip of the program with its README for
# users (packaging/README.txt) and licence, and an NSIS installer
# (packaging/Netvik.nsi).

set(NETVIK_DESCRIPTION "Internet connection monitor")
set(NETVIK_PUBLISHER "The Netvik developers")
set(NETVIK_COPYRIGHT "Copyright (c) 2026 the Netvik developers")
set(NETVIK_VERSION_4 ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)

set(NETVIK_GENERATED ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/src/app/NetvikVersion.h.in ${NETVIK_GENERATED}/NetvikVersion.h @ONLY)
# windres looks for the manifest the .rc names on its include path first.
configure_file(${CMAKE_SOURCE_DIR}/src/app/Netvik.manifest.in ${NETVIK_GENERATED}/Netvik.manifest @ONLY)
target_include_directories(netvik_app PUBLIC ${NETVIK_GENERATED})
target_include_directories(Netvik PRIVATE ${NETVIK_GENERATED})

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(NETVIK_PACKAGE_ARCH win32)
else()
  set(NETVIK_PACKAGE_ARCH win64)
endif()
set(NETVIK_DIST ${CMAKE_BINARY_DIR}/dist)
set(NETVIK_PACKAGE ${NETVIK_DIST}/Netvik-${PROJECT_VERSION}-${NETVIK_PACKAGE_ARCH})
set(NETVIK_ZIP ${NETVIK_PACKAGE}.zip)
set(NETVIK_INSTALLER ${NETVIK_PACKAGE}-setup.exe)

# What a user gets, in the folder the zip holds.
set(stage ${CMAKE_BINARY_DIR}/package/Netvik)
set(staged ${stage}/Netvik.exe ${stage}/README.txt ${stage}/LICENSE.txt)
add_custom_command(OUTPUT ${staged}
  COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:Netvik> -DSOURCE=${CMAKE_SOURCE_DIR} -DSTAGE=${stage}
          -P ${CMAKE_SOURCE_DIR}/packaging/stage.cmake
  DEPENDS Netvik ${CMAKE_SOURCE_DIR}/packaging/README.txt ${CMAKE_SOURCE_DIR}/LICENSE
          ${CMAKE_SOURCE_DIR}/packaging/stage.cmake
  VERBATIM)

add_custom_command(OUTPUT ${NETVIK_ZIP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${NETVIK_DIST}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${NETVIK_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${NETVIK_ZIP} --format=zip Netvik
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/package
  DEPENDS ${staged}
  VERBATIM)

find_program(NETVIK_MAKENSIS makensis)
if(NETVIK_MAKENSIS)
  add_custom_command(OUTPUT ${NETVIK_INSTALLER}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${NETVIK_DIST}
    COMMAND ${NETVIK_MAKENSIS} -V2 -WX
            -DARCH=${NETVIK_PACKAGE_ARCH} -DVERSION=${PROJECT_VERSION} -DVERSION4=${NETVIK_VERSION_4}
            "-DDESCRIPTION=${NETVIK_DESCRIPTION}" "-DPUBLISHER=${NETVIK_PUBLISHER}"
            "-DCOPYRIGHT=${NETVIK_COPYRIGHT}" -DSTAGE=${stage}
            -DICON=${CMAKE_SOURCE_DIR}/src/app/icons/netvik.ico -DOUTFILE=${NETVIK_INSTALLER}
            ${CMAKE_SOURCE_DIR}/packaging/Netvik.nsi
    DEPENDS ${staged} ${CMAKE_SOURCE_DIR}/packaging/Netvik.nsi ${CMAKE_SOURCE_DIR}/src/app/icons/netvik.ico
    VERBATIM)
  add_custom_target(packages ALL DEPENDS ${NETVIK_ZIP} ${NETVIK_INSTALLER})
else()
  message(STATUS "makensis not found (Debian's nsis): no installer, the zip only")
  add_custom_target(packages ALL DEPENDS ${NETVIK_ZIP})
endif()
