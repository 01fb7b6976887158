# Windows build: the program, its language modules, the suite stand-ins and the
# Windows-side tests that run under Wine.
# -fno-ipa-icf: GCC for i686 MinGW folds a member function (thiscall) and a plain
# function (cdecl) with the same body into one, so a call through the wrong
# convention reads the wrong argument and unbalances the stack (seen with a
# std::function invoker folded into a one-line member).
set(win_flags -fno-omit-frame-pointer -fno-ipa-icf)
add_compile_options(-fno-ipa-icf)  # also for the libraries built here (GoogleTest)
set(win_link -static -static-libgcc -static-libstdc++)
target_compile_options(vcore PRIVATE ${win_flags})
# Oldest Windows: Vista. The posix-thread runtime linked in statically (winpthreads
# of MinGW-w64) imports GetTickCount64 from kernel32, which Vista brought, so the
# program cannot load on anything older. Set for every module built here, so that the
# headers refuse newer functions; those are looked up by name at run time.
add_compile_definitions(WINVER=0x0600 _WIN32_WINNT=0x0600 _WIN32_IE=0x0700)

# Release: optimised, with debug information that the exception reporter's side file
# is made from; the package strips the shipped modules (packaging/assemble.sh). The
# same flags as the tests' RelWithDebInfo build, so that the compiler cache serves
# the release from the tests' objects.
set(CMAKE_C_FLAGS_RELEASE "-O2 -g -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -g -DNDEBUG")

set(VCONFIG_SUITE_DIR "${CMAKE_BINARY_DIR}/../suite" CACHE PATH "Staged suite layout")

# Win32 layer: every *_win.cpp except the programs' entry points.
file(GLOB_RECURSE win_sources CONFIGURE_DEPENDS src/*_win.cpp)
list(FILTER win_sources EXCLUDE REGEX "src/(app/VConfig|cli/VConfigReport)_win\\.cpp$")
add_library(vwin STATIC ${win_sources})
include(cmake/DelayImports.cmake)
add_dependencies(vwin delay_imports)
target_link_options(vwin INTERFACE ${delay_link_options})
target_link_libraries(vwin PUBLIC vcore ${delay_libs} comctl32 comdlg32 gdi32 user32 shell32 advapi32 version ole32 uuid winspool imagehlp msimg32)
target_compile_options(vwin PRIVATE ${warn} ${win_flags})
target_include_directories(vwin PUBLIC resources)
# The exception reporter captures every C++ throw where it is raised.
target_link_options(vwin INTERFACE -Wl,--wrap=__cxa_throw -Wl,--undefined=___wrap___cxa_throw)

# The exception reporter's side file (procedure names and source lines) beside a module.
function(vconfig_side_file target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND sh ${CMAKE_SOURCE_DIR}/tools/dsi/make_dsi.sh $<TARGET_FILE:${target}>
            $<TARGET_FILE_DIR:${target}>/$<TARGET_FILE_BASE_NAME:${target}>.DSI)
endfunction()

# A version resource for a module of the suite, from the project's version: the one
# version number of every file, the about box, the package and the installer.
function(vconfig_version_resource target file_name description comments)
  set(vi_version ${PROJECT_VERSION})
  set(vi_version_commas "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
  get_filename_component(vi_internal_name ${file_name} NAME_WE)
  set(vi_file_name ${file_name})
  set(vi_description ${description})
  set(vi_comments ${comments})
  if(file_name MATCHES "\\.dll$")
    set(vi_file_type VFT_DLL)
  else()
    set(vi_file_type VFT_APP)
  endif()
  set(rc ${CMAKE_BINARY_DIR}/version/${target}.rc)
  configure_file(${CMAKE_SOURCE_DIR}/resources/version/VersionInfo.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()

file(GLOB app_resources CONFIGURE_DEPENDS resources/app/*.rc)
add_executable(VConfig WIN32 src/app/VConfig_win.cpp ${app_resources})
target_link_libraries(VConfig PRIVATE vwin)
target_compile_options(VConfig PRIVATE ${warn} ${win_flags})
target_link_options(VConfig PRIVATE ${win_link})
set_source_files_properties(${app_resources} PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/app/VConfig.manifest")
target_include_directories(VConfig PRIVATE resources)
vconfig_side_file(VConfig)
vconfig_version_resource(VConfig VConfig.exe "Vorn Info Config - configuration and start-up editor"
  "Shows and edits the configuration files and autostart places of this PC.")

# vconfig-report.exe: the console report of the running system (console subsystem),
# staged on its own beside the suite (build/report/).
add_executable(vconfig-report src/cli/VConfigReport_win.cpp)
target_link_libraries(vconfig-report PRIVATE vwin)
target_compile_options(vconfig-report PRIVATE ${warn} ${win_flags})
target_compile_definitions(vconfig-report PRIVATE VCONFIG_VERSION="${PROJECT_VERSION}")
target_link_options(vconfig-report PRIVATE ${win_link})
vconfig_version_resource(vconfig-report vconfig-report.exe "Vorn Info Config - console report"
  "Reports the configuration files and autostart places of this PC.")
add_custom_target(stage-report ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VCONFIG_SUITE_DIR}/../report
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:vconfig-report> ${VCONFIG_SUITE_DIR}/../report/
  DEPENDS vconfig-report)

# Language modules: resource-only DLLs, one string table each.
set(lang_codes CSY DE EN ES FR IT RUS)
foreach(code ${lang_codes})
  add_library(VConfig${code} SHARED resources/lang/VConfig${code}.rc)
  set_target_properties(VConfig${code} PROPERTIES PREFIX "" LINKER_LANGUAGE C)
  target_link_options(VConfig${code} PRIVATE -nostdlib -Wl,--entry,0)
  vconfig_version_resource(VConfig${code} VConfig${code}.dll
    "Vorn Info Config - language module ${code}" "Texts of Vorn Info Config in one language.")
  list(APPEND lang_targets VConfig${code})
endforeach()

# The suite around the program: the base module (launcher) and the mail module.
add_executable(VInfo WIN32 tools/vinfo/VInfo_win.cpp tools/vinfo/VInfo.rc)
target_compile_options(VInfo PRIVATE ${warn})
target_link_options(VInfo PRIVATE ${win_link})
vconfig_version_resource(VInfo VInfo.exe "Vorn Info - base module"
  "Starts Vorn Info Config.")
file(GLOB vnimail_sources CONFIGURE_DEPENDS tools/vnimail/*_win.cpp)
list(FILTER vnimail_sources EXCLUDE REGEX "Recorder_win\\.cpp$")
add_executable(VnIMail WIN32 ${vnimail_sources})
target_include_directories(VnIMail PRIVATE src)
target_compile_options(VnIMail PRIVATE ${warn} ${win_flags})
target_link_options(VnIMail PRIVATE ${win_link})
vconfig_version_resource(VnIMail VnIMail.exe "Vorn Info - mail module"
  "Hands a report of Vorn Info Config to the mail program.")

# The tests' mail module: records how it was started (VnIMail.args), sends nothing.
# The staged suite holds it; tests of the real one copy build/win/VnIMail.exe in.
add_executable(VnIMailRecorder WIN32 tools/vnimail/VnIMailRecorder_win.cpp)
set_target_properties(VnIMailRecorder PROPERTIES OUTPUT_NAME VnIMail
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/recorder)
target_compile_options(VnIMailRecorder PRIVATE ${warn})
target_link_options(VnIMailRecorder PRIVATE ${win_link})

# Staged suite: suite/VInfo.exe, suite/Config/VConfig.exe + modules, suite/Vmail/.
set(stage_cmds)
foreach(t VConfig ${lang_targets})
  list(APPEND stage_cmds COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${t}> ${VCONFIG_SUITE_DIR}/Config/)
endforeach()
add_custom_target(stage ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VCONFIG_SUITE_DIR}/Config ${VCONFIG_SUITE_DIR}/Vmail
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:VInfo> ${VCONFIG_SUITE_DIR}/
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:VnIMailRecorder> ${VCONFIG_SUITE_DIR}/Vmail/
  ${stage_cmds}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE_DIR:VConfig>/VConfig.DSI ${VCONFIG_SUITE_DIR}/Config/
  DEPENDS VConfig VInfo VnIMailRecorder ${lang_targets})

# Windows-side tests: GoogleTest built with MinGW, run under Wine.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
file(GLOB_RECURSE win_test_sources CONFIGURE_DEPENDS tests/win/*.cpp)
list(FILTER win_test_sources EXCLUDE REGEX "tests/win/ExcTestApp/")
list(FILTER win_test_sources EXCLUDE REGEX "tests/win/screens/")  # a program of its own
list(FILTER win_test_sources EXCLUDE REGEX "tests/win/installed/")  # a program of its own
list(FILTER win_test_sources EXCLUDE REGEX "tests/win/mapi32/")  # a library
add_executable(win_tests ${win_test_sources} ${app_resources})
target_link_libraries(win_tests PRIVATE vwin gtest gmock)  # its own main: tests/win/TestMain.cpp
target_include_directories(win_tests PRIVATE tests/win resources)
target_compile_options(win_tests PRIVATE ${warn} ${win_flags})
target_link_options(win_tests PRIVATE ${win_link})
target_compile_definitions(win_tests PRIVATE VCONFIG_VERSION="${PROJECT_VERSION}")
add_dependencies(win_tests stage ExcTestApp VnIMail test_mapi32 vconfig-report)

# The mail module's tests: a mapi32.dll that records the message it is handed
# (build/win/testmapi/mapi32.dll, copied beside VnIMail.exe by the tests).
add_library(test_mapi32 SHARED tests/win/mapi32/RecordingMapi32.cpp)
set_target_properties(test_mapi32 PROPERTIES PREFIX "" OUTPUT_NAME mapi32
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/testmapi)
target_compile_options(test_mapi32 PRIVATE ${warn})
target_link_options(test_mapi32 PRIVATE ${win_link} -Wl,--kill-at)  # undecorated MAPISendMail

# Tests of an installed release (scripts/test-package.sh): the installed VInfo.exe
# starts the program, every module carries the release's version.
file(GLOB installed_test_sources CONFIGURE_DEPENDS tests/win/installed/*.cpp tests/win/harness/*.cpp)
add_executable(installed_tests ${installed_test_sources})
target_link_libraries(installed_tests PRIVATE vwin gtest version)
target_include_directories(installed_tests PRIVATE tests/win resources)
target_compile_options(installed_tests PRIVATE ${warn} ${win_flags})
target_compile_definitions(installed_tests PRIVATE VCONFIG_VERSION="${PROJECT_VERSION}")
target_link_options(installed_tests PRIVATE ${win_link})

# A window whose handlers fail on request, for the exception reporter's tests.
add_executable(ExcTestApp WIN32 tests/win/ExcTestApp/ExcTestApp.cpp ${app_resources})
target_link_libraries(ExcTestApp PRIVATE vwin)
target_include_directories(ExcTestApp PRIVATE resources)
target_compile_options(ExcTestApp PRIVATE ${warn} ${win_flags})
target_link_options(ExcTestApp PRIVATE ${win_link})
vconfig_side_file(ExcTestApp)

# The screenshots program (scripts/screenshots.sh): sets up the windows shown in
# docs/screenshots/ with the tests' harness and saves their pictures. Not a test.
file(GLOB screens_sources CONFIGURE_DEPENDS tests/win/screens/*.cpp tests/win/harness/*.cpp)
add_executable(screens ${screens_sources} tests/win/SectionListFixture.cpp tests/win/ChromeHost.cpp
               tests/win/MarkupGallery.cpp ${app_resources})
target_link_libraries(screens PRIVATE vwin gtest)
target_include_directories(screens PRIVATE tests/win resources)
target_compile_options(screens PRIVATE ${warn} ${win_flags})
target_link_options(screens PRIVATE ${win_link})
add_dependencies(screens stage ExcTestApp)

# The benchmarks under Wine (scripts/bench-wine.sh), beside the native benchmarks: the
# program beside its peers (notepad, a bare list box, a minimal window program) and the
# section list's steps. Not part of the tests.
file(GLOB win_bench_sources CONFIGURE_DEPENDS tests/bench/win/*.cpp)
add_executable(win_bench ${win_bench_sources} tests/win/SectionListFixture.cpp
               tests/win/harness/Harness.cpp tests/win/harness/MainWindowDriver.cpp ${app_resources})
target_link_libraries(win_bench PRIVATE vwin gtest)
target_include_directories(win_bench PRIVATE tests/win resources)
target_compile_options(win_bench PRIVATE ${warn} ${win_flags})
target_link_options(win_bench PRIVATE ${win_link})
add_executable(bench_minimal_window WIN32 tests/bench/win/minimal/MinimalWindow.cpp)
target_compile_options(bench_minimal_window PRIVATE ${warn})
target_link_options(bench_minimal_window PRIVATE ${win_link})
add_dependencies(win_bench stage bench_minimal_window)

# The release (scripts/package.sh builds it in a Release build of its own): the suite
# staged, stripped, zipped and wrapped in an installer, into dist/.
set(VCONFIG_DIST_DIR "${CMAKE_SOURCE_DIR}/dist" CACHE PATH "Where the package goes")
set(package_modules VConfig ${lang_targets} VInfo VnIMail)
set(package_files)
foreach(t ${package_modules})
  list(APPEND package_files $<TARGET_FILE:${t}>)
endforeach()
add_custom_target(package
  COMMAND sh ${CMAKE_SOURCE_DIR}/packaging/assemble.sh
          --version ${PROJECT_VERSION} --source ${CMAKE_SOURCE_DIR}
          --stage ${CMAKE_BINARY_DIR}/package --out ${VCONFIG_DIST_DIR} --strip ${CMAKE_STRIP}
          --side-file $<TARGET_FILE_DIR:VConfig>/VConfig.DSI ${package_files}
  DEPENDS ${package_modules}
  VERBATIM)
