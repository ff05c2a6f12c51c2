enable_language(RC)
# Torvane.exe for 32-bit Windows: static runtime, GUI subsystem, Unicode,
# importing only the system's own DLLs. The same commit builds to the same
# bytes anywhere: no checkout folder in the code, no link time in the header.
set(TORVANE_WIN32_FLAGS -Wall -Wextra -Werror -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX
    -D_WIN32_WINNT=0x0601 -DWINVER=0x0601 -ffile-prefix-map=${CMAKE_SOURCE_DIR}=.)
set(TORVANE_LINK_FLAGS -static -static-libgcc -static-libstdc++ -municode -mwindows -s
    -Wl,--gc-sections -Wl,--dynamicbase -Wl,--nxcompat -Wl,--no-insert-timestamp)
target_compile_options(torvane_core PRIVATE ${TORVANE_WIN32_FLAGS} -ffunction-sections -fdata-sections)

set(ICONS ${CMAKE_SOURCE_DIR}/resources/icons)
set(MANIFEST ${CMAKE_SOURCE_DIR}/resources/torvane.manifest)

# The entries' icon lines come from the catalogue; make_icons.py stops here, saying what to fix,
# where an icon is missing or is not its entry's. A change to any of these files checks again.
find_program(PYTHON3 python3 REQUIRED)
file(GLOB ENTRY_ICONS ${ICONS}/entry*.ico)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ICONS}/make_icons.py ${ENTRY_ICONS}
  ${CMAKE_SOURCE_DIR}/catalogue/Catalogue.cpp ${CMAKE_SOURCE_DIR}/catalogue/Catalogue.h
  ${CMAKE_SOURCE_DIR}/platform/win32/WindowClasses.h)
execute_process(COMMAND ${PYTHON3} ${ICONS}/make_icons.py --resources
  OUTPUT_VARIABLE ENTRY_ICON_LINES ERROR_VARIABLE problems RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "The entries' icons do not match the catalogue:\n${problems}")
endif()
configure_file(resources/torvane.rc.in ${CMAKE_BINARY_DIR}/generated/torvane.rc @ONLY)

add_library(torvane_win32 STATIC
  platform/win32/Apartment.cpp
  platform/win32/ButtonAccessible.cpp
  platform/win32/ButtonFace.cpp
  platform/win32/Dpi.cpp
  platform/win32/Errors.cpp
  platform/win32/Menus.cpp
  platform/win32/PictureButton.cpp
  platform/win32/SystemFunctions.cpp
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
  OBJECT_DEPENDS "${MANIFEST};${ICONS}/torvane.ico;${ENTRY_ICONS}")

enable_testing()
add_subdirectory(tests/e2e)
add_subdirectory(bench)

add_test(NAME imports_and_size COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-exe.sh $<TARGET_FILE:Torvane> 1048576)

# The installer, remade at every build: the commit's date and the signing
# certificate it takes are not files CMake could watch. package/ holds
# Torvane.exe and Uninstall.exe as the installer carries them.
find_program(MAKENSIS makensis REQUIRED)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(INSTALLER_ARCH x86)
else()
  set(INSTALLER_ARCH amd64)
endif()
set(SETUP ${CMAKE_BINARY_DIR}/Torvane-${PROJECT_VERSION}-setup.exe)
set(PACKAGE ${CMAKE_BINARY_DIR}/package)
add_custom_target(installer ALL
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/make-installer.sh ${MAKENSIS} ${CMAKE_SOURCE_DIR}/resources/installer.nsi
          $<TARGET_FILE:Torvane> ${PROJECT_VERSION} ${INSTALLER_ARCH} ${SETUP} ${PACKAGE}
  BYPRODUCTS ${SETUP} ${PACKAGE}/Torvane.exe ${PACKAGE}/Uninstall.exe
  VERBATIM)
add_dependencies(installer Torvane)

add_test(NAME release_rebuilds_to_the_same_bytes_and_signs COMMAND bash ${CMAKE_SOURCE_DIR}/tests/release/rebuild.sh)
set_tests_properties(release_rebuilds_to_the_same_bytes_and_signs PROPERTIES TIMEOUT 1800)
