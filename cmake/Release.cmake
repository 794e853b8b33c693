# Version header, installation and the Debian package. Included by the top-level
# CMakeLists.txt once the console and simulator targets are defined.

# ---- Version: project(Kestrova VERSION ...) is the one place it is set.
string(TIMESTAMP KESTROVA_BUILD_DATE "%Y-%m-%d" UTC)  # follows SOURCE_DATE_EPOCH when set
configure_file(${PROJECT_SOURCE_DIR}/cmake/kestrova_version.h.in
               ${PROJECT_BINARY_DIR}/generated/kestrova_version.h @ONLY)
target_include_directories(kestrova_app PUBLIC ${PROJECT_BINARY_DIR}/generated)
foreach(program kestrova-board-sim kestrova-agent)
  if(TARGET ${program})
    target_include_directories(${program} PRIVATE ${PROJECT_BINARY_DIR}/generated)
  endif()
endforeach()

# Both programs answer --version and --help without a display; an unknown option ends with 2.
if(BUILD_TESTING AND TARGET kestrova-board-sim)
  add_test(NAME command-line
           COMMAND ${CMAKE_COMMAND} -DCONSOLE=$<TARGET_FILE:kestrova> -DSIM=$<TARGET_FILE:kestrova-board-sim>
                   -DVERSION=${PROJECT_VERSION} -P ${PROJECT_SOURCE_DIR}/cmake/check_command_line.cmake)
  set_tests_properties(command-line PROPERTIES TIMEOUT 60
    ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=unset:")
endif()

# ---- Installation: the two programs; on Linux also the desktop entry, icons, AppStream
# metainfo and the files Debian wants in the package's doc folder.
include(GNUInstallDirs)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(KESTROVA_APP_ID invalid.example.kestrova)  # AppStream component id and desktop file name

install(TARGETS kestrova RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(NOT WIN32)  # the simulator needs a POSIX pseudo-terminal
  install(TARGETS kestrova-board-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

find_program(KESTROVA_GZIP gzip)
# A manual page gzip -9n'd into the build tree and installed in section 1 (of the component).
function(KestrovaManPage page component)
  get_filename_component(name ${page} NAME)
  if(NOT KESTROVA_GZIP)
    return()
  endif()
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/dist/man)
  execute_process(COMMAND ${KESTROVA_GZIP} -9nc ${page} OUTPUT_FILE ${PROJECT_BINARY_DIR}/dist/man/${name}.gz
                  COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${page})
  if(component)
    install(FILES ${PROJECT_BINARY_DIR}/dist/man/${name}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
  else()
    install(FILES ${PROJECT_BINARY_DIR}/dist/man/${name}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endfunction()

if(UNIX AND NOT APPLE)
  set(dist ${PROJECT_SOURCE_DIR}/dist)
  install(FILES ${dist}/${KESTROVA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${dist}/icons/kestrova.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # The PNGs are rendered from the SVG and committed (dist/icons/render-png regenerates them).
  foreach(size 16 24 32 48 64 128 256)
    install(FILES ${dist}/icons/${size}/kestrova.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  configure_file(${dist}/${KESTROVA_APP_ID}.metainfo.xml.in
                 ${PROJECT_BINARY_DIR}/dist/${KESTROVA_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/dist/${KESTROVA_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # Debian keeps a package's copyright and changelog (gzip -9n) in /usr/share/doc/<package>.
  string(TIMESTAMP KESTROVA_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
  configure_file(${dist}/changelog.in ${PROJECT_BINARY_DIR}/dist/changelog @ONLY)
  if(KESTROVA_GZIP)
    execute_process(COMMAND ${KESTROVA_GZIP} -9nf ${PROJECT_BINARY_DIR}/dist/changelog
                    COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${PROJECT_BINARY_DIR}/dist/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestrova)
  endif()
  install(FILES ${dist}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestrova)
  # Manual pages, compressed as Debian keeps them.
  foreach(page kestrova kestrova-board-sim)
    KestrovaManPage(${dist}/man/${page}.1 "")
  endforeach()
endif()

# ---- The agent: its own package, kestrova-agent, with the program, the systemd unit, the
# commented configuration file (a conffile) and its doc folder. Nothing in it uses Qt Widgets.
if(TARGET kestrova-agent)
  install(TARGETS kestrova-agent RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT agent)
  set(agent_dist ${PROJECT_SOURCE_DIR}/dist/agent)
  # Debian's units live in /lib/systemd/system whatever the install prefix is.
  install(FILES ${agent_dist}/kestrova-agent.service DESTINATION /lib/systemd/system COMPONENT agent)
  install(FILES ${agent_dist}/agent.conf DESTINATION /etc/kestrova COMPONENT agent)
  install(FILES ${agent_dist}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestrova-agent COMPONENT agent)
  KestrovaManPage(${agent_dist}/kestrova-agent.1 agent)
  configure_file(${agent_dist}/changelog.in ${PROJECT_BINARY_DIR}/dist/agent/changelog @ONLY)
  if(KESTROVA_GZIP)
    execute_process(COMMAND ${KESTROVA_GZIP} -9nf ${PROJECT_BINARY_DIR}/dist/agent/changelog
                    COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${PROJECT_BINARY_DIR}/dist/agent/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kestrova-agent COMPONENT agent)
  endif()
endif()

# ---- Debian packages (scripts/package): cpack -G DEB in the build tree, one package for the
# console and the simulator (the unnamed component), one for the agent.
set(CPACK_PACKAGE_NAME kestrova)
set(CPACK_PACKAGE_VENDOR "Kestrova developers")
set(CPACK_PACKAGE_CONTACT "Kestrova developers <kestrova@example.invalid>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# Each package's description: its summary line, then the long description. (With packages
# of several components CPack would put one common summary above both, so none is set.)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "console for a thermoelectric climate-control board
Kestrova monitors and configures the thermoelectric (Peltier) climate-control
unit of a battery cabinet over a serial line (RS-485 or RS-422 through a USB
adapter): live measurements, work states and alarms, the operating settings,
the device address and, behind a password, the factory settings.

The package also contains kestrova-board-sim, a simulator of the control board
on a pseudo-terminal for trying the console without hardware.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's platform plugins are only recommended by the Qt libraries, and the captions need a
# Chinese font; neither shows up as a shared-library dependency.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei | fonts-noto-cjk")

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Unspecified agent)
set(CPACK_DEBIAN_UNSPECIFIED_PACKAGE_NAME kestrova)
set(CPACK_DEBIAN_AGENT_PACKAGE_NAME kestrova-agent)
set(CPACK_DEBIAN_AGENT_PACKAGE_SECTION net)
# The agent's user is made by adduser; the libraries (Qt Core and SerialPort, libmosquitto,
# prometheus-cpp) come from the shared-library dependencies.
set(CPACK_DEBIAN_AGENT_PACKAGE_DEPENDS "adduser")
set(CPACK_DEBIAN_AGENT_PACKAGE_RECOMMENDS "mosquitto-clients")
set(CPACK_DEBIAN_UNSPECIFIED_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_AGENT_DESCRIPTION "headless agent publishing climate-control boards to MQTT
kestrova-agent polls every thermoelectric climate-control board of one RS-485
line (addresses 1..255, one request at a time) and publishes their
measurements, work states, alarms and operating settings to an MQTT broker,
with Home Assistant discovery, availability and a last will. Operating
settings can be written over MQTT and are acknowledged by read-back. An
optional endpoint serves the values to Prometheus.
.
It runs without a display as the systemd service kestrova-agent, configured
in /etc/kestrova/agent.conf.")
set(CPACK_DEBIAN_AGENT_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/dist/agent/conffiles ${PROJECT_SOURCE_DIR}/dist/agent/postinst
    ${PROJECT_SOURCE_DIR}/dist/agent/prerm ${PROJECT_SOURCE_DIR}/dist/agent/postrm)
set(CPACK_DEBIAN_AGENT_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
