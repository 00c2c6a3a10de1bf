# Cross-built tests run under Wine, in a prefix of their own inside the build
# tree that is made afresh for every test run. Every one goes through
# lib/wine-test.sh: where this machine's Wine cannot run the tree's programs
# (a 32-bit tree on a machine whose kernel runs no 32-bit programs), CTest
# reports it as skipped, with the reason in its output.
set(NETVIK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)

# The prefix has the tree's bitness, like the shell the e2e driver reads.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(NETVIK_WINEARCH win32)
else()
  set(NETVIK_WINEARCH win64)
endif()
set(NETVIK_WINE_TEST ${CMAKE_CURRENT_LIST_DIR}/lib/wine-test.sh ${NETVIK_WINEARCH})

# netvik_add_wine_test(NAME COMMAND... [TIMEOUT seconds] [SETUP]): a test
# under Wine; SETUP marks the one that makes the prefix, the others need it.
function(netvik_add_wine_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "SETUP" "TIMEOUT" "COMMAND")
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 300)
  endif()
  add_test(NAME ${name} COMMAND ${NETVIK_WINE_TEST} ${arg_COMMAND})
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT ${arg_TIMEOUT}
    ENVIRONMENT "WINEPREFIX=${NETVIK_WINEPREFIX};WINEDEBUG=-all")
  if(arg_SETUP)
    set_tests_properties(${name} PROPERTIES FIXTURES_SETUP wineprefix)
  else()
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wineprefix)
  endif()
endfunction()

netvik_add_wine_test(wineprefix SETUP COMMAND
  ${CMAKE_COMMAND} -E env WINEARCH=${NETVIK_WINEARCH}
  ${CMAKE_CURRENT_LIST_DIR}/lib/fresh-wineprefix.sh --no-window-manager ${NETVIK_WINEPREFIX})

# A program of the tree, run under Wine.
function(netvik_wine_test name target)
  netvik_add_wine_test(${name} COMMAND wine $<TARGET_FILE:${target}> ${ARGN})
endfunction()

# A test inside a sandbox network of its own (tests/lib/sandbox-net.sh), on a
# private copy of the fresh prefix.
function(netvik_sandbox_test name target)
  netvik_add_wine_test(${name} COMMAND
    ${CMAKE_CURRENT_LIST_DIR}/lib/wine-in-sandbox.sh ${NETVIK_WINEPREFIX} -- $<TARGET_FILE:${target}> ${ARGN})
endfunction()

# An end-to-end script: SCRIPT NETVIK.exe TRAYCTL.exe PREFIX OUTDIR [ARGUMENT]...
function(netvik_e2e_test name script)
  netvik_add_wine_test(${name} TIMEOUT 600 COMMAND
    ${CMAKE_CURRENT_LIST_DIR}/e2e/${script} $<TARGET_FILE:Netvik> $<TARGET_FILE:trayctl>
    ${NETVIK_WINEPREFIX} ${CMAKE_BINARY_DIR}/e2e/${name} ${ARGN})
endfunction()
