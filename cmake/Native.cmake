# Host build: the portable code under sanitizers, with its unit tests.
set(TORVANE_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
target_compile_options(torvane_core PRIVATE -Wall -Wextra -Werror ${TORVANE_SANITIZE})
target_link_options(torvane_core PUBLIC ${TORVANE_SANITIZE})

find_package(GTest REQUIRED)
enable_testing()
add_subdirectory(tests/unit)

# The entries' icons against the catalogue, checked here too as the Windows build checks them.
find_program(PYTHON3 python3 REQUIRED)
add_test(NAME entry_icons_match_the_catalogue
         COMMAND ${PYTHON3} ${CMAKE_SOURCE_DIR}/resources/icons/make_icons.py --resources)
