# The real program: thin Win32 implementations of the platform seam, the
# window procedures and resources, linked into one static ANSI GUI program
# that runs on every Windows from the 9x generation on (subsystem 4.0).

set(NETVIK_WIN32_SOURCES
  src/platform/win32/HiddenWindow.cpp
  src/platform/win32/Win32Application.cpp
  src/platform/win32/Win32Clock.cpp
  src/platform/win32/Win32ConnectAttempt.cpp
  src/platform/win32/Win32Controls.cpp
  src/platform/win32/Win32Desktop.cpp
  src/platform/win32/Win32HistoryFile.cpp
  src/platform/win32/Win32HostNames.cpp
  src/platform/win32/Win32Icmp.cpp
  src/platform/win32/Win32Libraries.cpp
  src/platform/win32/Win32MessageBoxes.cpp
  src/platform/win32/Win32NetworkConfig.cpp
  src/platform/win32/Win32Picture.cpp
  src/platform/win32/Win32Pictures.cpp
  src/platform/win32/Win32Registry.cpp
  src/platform/win32/Win32ShellNotify.cpp
  src/platform/win32/Win32Sockets.cpp
  src/platform/win32/Win32TcpClient.cpp
  src/platform/win32/Win32Timer.cpp
  src/platform/win32/Win32TrayHook.cpp
  src/platform/win32/Win32Window.cpp
)
set(NETVIK_WIN32_DEFINITIONS WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0400 WINVER=0x0400)
# Only libraries that Windows protects from a file of their name beside the
# program; every other one is loaded at run time from the system folder
# (platform/win32/Win32Libraries.h).
set(NETVIK_SYSTEM_LIBRARIES comctl32 shell32 user32 gdi32 advapi32 kernel32)
add_library(netvik_win32 STATIC ${NETVIK_WIN32_SOURCES})
target_compile_definitions(netvik_win32 PUBLIC ${NETVIK_WIN32_DEFINITIONS})
target_link_libraries(netvik_win32 PUBLIC netvik_core ${NETVIK_SYSTEM_LIBRARIES})

# Static runtime: the program needs no DLL that Windows does not ship.
set(NETVIK_STATIC_LINK -static -static-libgcc -static-libstdc++ -s)

# The program's windows on Win32; the resources go into each program that
# uses them.
set(NETVIK_APP_SOURCES
  src/app/LaidOutWindow.cpp
  src/app/MainWindow.cpp
  src/app/Program.cpp
  src/app/TextFit.cpp
)
add_library(netvik_app STATIC ${NETVIK_APP_SOURCES})
target_link_libraries(netvik_app PUBLIC netvik_win32)
set(NETVIK_RESOURCES ${CMAKE_SOURCE_DIR}/src/app/Netvik.rc)
file(GLOB NETVIK_ICON_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/icons/*.ico)
set_source_files_properties(${NETVIK_RESOURCES} PROPERTIES
  OBJECT_DEPENDS "${NETVIK_ICON_FILES};${CMAKE_BINARY_DIR}/generated/Netvik.manifest;${CMAKE_BINARY_DIR}/generated/NetvikVersion.h;${CMAKE_SOURCE_DIR}/src/monitor/MainResources.h")

# The C++ library's error paths, lean: the program's own definitions of
# the library's __throw_ functions, which hand the library's messages to
# netvik::Fail; the Win32 tests link them too, and check the messages.
add_library(netvik_runtime OBJECT src/app/LeanRuntime.cpp)
target_include_directories(netvik_runtime PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(netvik_runtime PRIVATE netvik_warnings)

# The program, a small download. Its sources are compiled once more for it
# alone: without exceptions (nothing in it throws: what cannot go on ends
# through netvik::Fail, src/app/Fail.cpp) and so without their unwind
# tables, without run-time type information, without the guards that make
# function-local statics safe to start from several threads (the program
# has one), and in sections of their own that the link drops when unused. The tests link the same sources built
# with exceptions, through which their stand-in for the program's end
# unwinds.
add_executable(Netvik WIN32
  src/app/WinMain.cpp
  src/app/Fail.cpp
  src/app/LeanRuntime.cpp
  src/app/NoUnwind.cpp
  ${NETVIK_CORE_SOURCES}
  ${NETVIK_WIN32_SOURCES}
  ${NETVIK_APP_SOURCES}
  ${NETVIK_RESOURCES}
)
target_include_directories(Netvik PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_compile_definitions(Netvik PRIVATE ${NETVIK_WIN32_DEFINITIONS})
target_compile_options(Netvik PRIVATE
  $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-asynchronous-unwind-tables -fno-rtti -fno-threadsafe-statics
  -ffunction-sections -fdata-sections>)
target_link_libraries(Netvik PRIVATE netvik_warnings ${NETVIK_SYSTEM_LIBRARIES})
target_link_options(Netvik PRIVATE ${NETVIK_STATIC_LINK} -Wl,--gc-sections
  -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
  -Wl,--major-os-version,4 -Wl,--minor-os-version,0)
set_target_properties(Netvik PROPERTIES OUTPUT_NAME Netvik)

# The version resource's fields, and the packages (zip, installer).
include(${CMAKE_SOURCE_DIR}/packaging/Release.cmake)
