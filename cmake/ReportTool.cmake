# vconfig-report for Linux: the console report of an offline Windows installation,
# from the portable core plus the hive reader over libhivex; installed with its man
# page, and packed by CPack as a Debian package.
find_path(HIVEX_INCLUDE_DIR hivex.h REQUIRED)
find_library(HIVEX_LIBRARY hivex REQUIRED)

# Natively the core reads hive files; the Windows build has no libhivex.
target_sources(vcore PRIVATE src/offline/Hive_hivex.cpp)
target_include_directories(vcore PRIVATE ${HIVEX_INCLUDE_DIR})
target_link_libraries(vcore PUBLIC ${HIVEX_LIBRARY})

add_executable(vconfig-report src/cli/VConfigReport_posix.cpp)
target_link_libraries(vconfig-report PRIVATE vcore)
target_compile_options(vconfig-report PRIVATE ${warn})
target_compile_definitions(vconfig-report PRIVATE VCONFIG_VERSION="${PROJECT_VERSION}")

include(GNUInstallDirs)
install(TARGETS vconfig-report RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES docs/man/vconfig-report.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vconfig-report)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vorn Info Config developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Reports the configuration and start-up places of an offline Windows installation")
set(CPACK_DEBIAN_PACKAGE_SECTION admin)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libhivex0, libc6, libstdc++6")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # vconfig-report_<version>_amd64.deb
set(CPACK_STRIP_FILES ON)
include(CPack)
