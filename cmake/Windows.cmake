enable_language(RC)
# Torvane.exe for 32-bit Windows: static runtime, GUI subsystem, Unicode,
# importing only the system's own DLLs.
set(TORVANE_WIN32_FLAGS -Wall -Wextra -Werror -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX
    -D_WIN32_WINNT=0x0601 -DWINVER=0x0601)
set(TORVANE_LINK_FLAGS -static -static-libgcc -static-libstdc++ -municode -mwindows -s
    -Wl,--gc-sections -Wl,--dynamicbase -Wl,--nxcompat)
target_compile_options(torvane_core PRIVATE ${TORVANE_WIN32_FLAGS} -ffunction-sections -fdata-sections)

set(ICONS ${CMAKE_SOURCE_DIR}/resources/icons)
set(MANIFEST ${CMAKE_SOURCE_DIR}/resources/torvane.manifest)
configure_file(resources/torvane.rc.in ${CMAKE_BINARY_DIR}/generated/torvane.rc @ONLY)

add_library(torvane_win32 STATIC
  platform/win32/ButtonFace.cpp
  platform/win32/Dpi.cpp
  platform/win32/Errors.cpp
  platform/win32/Menus.cpp
  platform/win32/PictureButton.cpp
  platform/win32/Tooltips.cpp
  platform/win32/Win32Application.cpp
  platform/win32/Win32FileSystem.cpp
  platform/win32/Win32Processes.cpp
  platform/win32/Win32Registry.cpp
  platform/win32/Win32Shell.cpp
  platform/win32/Win32Dialogs.cpp
  platform/win32/Win32Elevation.cpp
  platform/win32/Win32Window.cpp
  platform/win32/WindowMessages.cpp
)
target_compile_options(torvane_win32 PRIVATE ${TORVANE_WIN32_FLAGS} -ffunction-sections -fdata-sections)
target_link_libraries(torvane_win32 PUBLIC torvane_core advapi32 user32 gdi32)

add_executable(Torvane WIN32 app/WinMain.cpp ${CMAKE_BINARY_DIR}/generated/torvane.rc)
target_compile_options(Torvane PRIVATE ${TORVANE_WIN32_FLAGS})
target_link_options(Torvane PRIVATE ${TORVANE_LINK_FLAGS})
target_link_libraries(Torvane PRIVATE torvane_win32)
set_source_files_properties(${CMAKE_BINARY_DIR}/generated/torvane.rc PROPERTIES
  OBJECT_DEPENDS "${MANIFEST};${ICONS}/torvane.ico")

enable_testing()
add_subdirectory(tests/e2e)
add_subdirectory(bench)

add_test(NAME imports_and_size COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-exe.sh $<TARGET_FILE:Torvane> 1048576)

# The installer, built with the program.
find_program(MAKENSIS makensis REQUIRED)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(INSTALLER_ARCH x86)
else()
  set(INSTALLER_ARCH amd64)
endif()
set(SETUP ${CMAKE_BINARY_DIR}/Torvane-${PROJECT_VERSION}-setup.exe)
add_custom_command(OUTPUT ${SETUP}
  COMMAND ${MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DEXE=$<TARGET_FILE:Torvane> -DOUTFILE=${SETUP}
          -DARCH=${INSTALLER_ARCH} ${CMAKE_SOURCE_DIR}/resources/installer.nsi
  DEPENDS Torvane ${CMAKE_SOURCE_DIR}/resources/installer.nsi
  VERBATIM)
add_custom_target(installer ALL DEPENDS ${SETUP})
