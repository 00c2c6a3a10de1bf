# The real program: thin Win32 implementations of the platform seam, the
# window procedures and resources, linked into one static ANSI GUI program
# that runs on every Windows from the 9x generation on (subsystem 4.0).

add_library(netvik_win32 STATIC
  src/platform/win32/Win32Application.cpp
  src/platform/win32/Win32Controls.cpp
  src/platform/win32/Win32HostNames.cpp
  src/platform/win32/Win32Icmp.cpp
  src/platform/win32/Win32MessageBoxes.cpp
  src/platform/win32/Win32NetworkConfig.cpp
  src/platform/win32/Win32Pictures.cpp
  src/platform/win32/Win32Registry.cpp
  src/platform/win32/Win32ShellNotify.cpp
  src/platform/win32/Win32Sockets.cpp
  src/platform/win32/Win32TcpClient.cpp
  src/platform/win32/Win32Timer.cpp
  src/platform/win32/Win32TrayHook.cpp
  src/platform/win32/Win32Window.cpp
)
target_compile_definitions(netvik_win32 PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0400 WINVER=0x0400)
target_link_libraries(netvik_win32 PUBLIC netvik_core wsock32 comctl32 shell32 user32 gdi32 advapi32 kernel32)

# Static runtime: the program needs no DLL that Windows does not ship.
set(NETVIK_STATIC_LINK -static -static-libgcc -static-libstdc++ -s)

# The program's windows on Win32; the resources go into each program that
# uses them.
add_library(netvik_app STATIC
  src/app/MainWindow.cpp
  src/app/TwipsDialog.cpp
)
target_link_libraries(netvik_app PUBLIC netvik_win32)
set(NETVIK_RESOURCES ${CMAKE_SOURCE_DIR}/src/app/Netvik.rc)
file(GLOB NETVIK_ICON_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/icons/*.ico)
set_source_files_properties(${NETVIK_RESOURCES} PROPERTIES
  OBJECT_DEPENDS "${NETVIK_ICON_FILES};${CMAKE_BINARY_DIR}/generated/Netvik.manifest;${CMAKE_BINARY_DIR}/generated/NetvikVersion.h;${CMAKE_SOURCE_DIR}/src/app/resource.h")

add_executable(Netvik WIN32
  src/app/WinMain.cpp
  ${NETVIK_RESOURCES}
)
# The C++ library's error paths, lean; the Win32 tests link it too, and
# check its messages.
add_library(netvik_runtime OBJECT src/app/LeanRuntime.cpp)
target_include_directories(netvik_runtime PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(netvik_runtime PRIVATE netvik_warnings)
target_link_options(Netvik PRIVATE ${NETVIK_STATIC_LINK} -Wl,--gc-sections
  -Wl,--major-subsystem-version,4 -Wl,--minor-subsystem-version,0
  -Wl,--major-os-version,4 -Wl,--minor-os-version,0)
# A small download: the program's code without run-time type information (it
# asks for none), in sections of their own that the link drops when unused.
set(NETVIK_SIZE_OPTIONS -fno-rtti -ffunction-sections -fdata-sections)
foreach(target netvik_core netvik_win32 netvik_app netvik_runtime Netvik)
  target_compile_options(${target} PRIVATE ${NETVIK_SIZE_OPTIONS})
endforeach()
target_link_libraries(Netvik PRIVATE netvik_runtime netvik_app)
set_target_properties(Netvik PROPERTIES OUTPUT_NAME Netvik)

# The version resource's fields, and the packages (zip, installer).
include(${CMAKE_SOURCE_DIR}/packaging/Release.cmake)
