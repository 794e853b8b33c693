# Version header, installation and the Debian package. Included at the end of the top-level
# CMakeLists.txt, after the targets are defined.

# ---- Version: project(Kestrova VERSION ...) is the one place it is set.
string(TIMESTAMP KESTROVA_BUILD_DATE "%Y-%m-%d" UTC)  # follows SOURCE_DATE_EPOCH when set
configure_file(${PROJECT_SOURCE_DIR}/cmake/kestrova_version.h.in
               ${PROJECT_BINARY_DIR}/generated/kestrova_version.h @ONLY)
target_sources(kestrova PRIVATE ${PROJECT_SOURCE_DIR}/src/app/command_line.cpp)
foreach(target kestrova kestrova-board-sim)
  target_include_directories(${target} PRIVATE ${PROJECT_BINARY_DIR}/generated)
endforeach()

# Both programs answer --version and --help without a display; an unknown option ends with 2.
add_test(NAME command-line
         COMMAND ${CMAKE_COMMAND} -DCONSOLE=$<TARGET_FILE:kestrova> -DSIM=$<TARGET_FILE:kestrova-board-sim>
                 -DVERSION=${PROJECT_VERSION} -P ${PROJECT_SOURCE_DIR}/cmake/check_command_line.cmake)
set_tests_properties(command-line PROPERTIES TIMEOUT 60
  ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=unset:")
