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
target_compile_definitions(vcore PUBLIC WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600)

set(VCONFIG_SUITE_DIR "${CMAKE_BINARY_DIR}/../suite" CACHE PATH "Staged suite layout")

# Win32 layer: every *_win.cpp except the program's entry point.
file(GLOB_RECURSE win_sources CONFIGURE_DEPENDS src/*_win.cpp)
list(FILTER win_sources EXCLUDE REGEX "src/app/VConfig_win\\.cpp$")
add_library(vwin STATIC ${win_sources})
target_link_libraries(vwin PUBLIC vcore comctl32 comdlg32 gdi32 user32 shell32 advapi32 version ole32 uuid winspool imagehlp msimg32)
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

file(GLOB app_resources CONFIGURE_DEPENDS resources/app/*.rc)
add_executable(VConfig WIN32 src/app/VConfig_win.cpp ${app_resources})
target_link_libraries(VConfig PRIVATE vwin)
target_compile_options(VConfig PRIVATE ${warn} ${win_flags})
target_link_options(VConfig PRIVATE ${win_link})
set_source_files_properties(${app_resources} PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/resources/app/VConfig.manifest")
target_include_directories(VConfig PRIVATE resources)
vconfig_side_file(VConfig)

# Language modules: resource-only DLLs, one string table each.
set(lang_codes CSY DE EN ES FR IT RUS)
foreach(code ${lang_codes})
  add_library(VConfig${code} SHARED resources/lang/VConfig${code}.rc)
  set_target_properties(VConfig${code} PROPERTIES PREFIX "" LINKER_LANGUAGE C)
  target_link_options(VConfig${code} PRIVATE -nostdlib -Wl,--entry,0)
  list(APPEND lang_targets VConfig${code})
endforeach()

# Suite stand-ins: the base module and the mail module.
add_executable(VInfo WIN32 tools/vinfo/VInfo_win.cpp)
target_compile_options(VInfo PRIVATE ${warn})
target_link_options(VInfo PRIVATE ${win_link})
add_executable(VnIMail WIN32 tools/vnimail/VnIMail_win.cpp)
target_compile_options(VnIMail PRIVATE ${warn})
target_link_options(VnIMail PRIVATE ${win_link})

# Staged suite: suite/VInfo.exe, suite/Config/VConfig.exe + modules, suite/Vmail/.
set(stage_cmds)
foreach(t VConfig ${lang_targets})
  list(APPEND stage_cmds COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${t}> ${VCONFIG_SUITE_DIR}/Config/)
endforeach()
add_custom_target(stage ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VCONFIG_SUITE_DIR}/Config ${VCONFIG_SUITE_DIR}/Vmail
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:VInfo> ${VCONFIG_SUITE_DIR}/
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:VnIMail> ${VCONFIG_SUITE_DIR}/Vmail/
  ${stage_cmds}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE_DIR:VConfig>/VConfig.DSI ${VCONFIG_SUITE_DIR}/Config/
  DEPENDS VConfig VInfo VnIMail ${lang_targets})

# Windows-side tests: GoogleTest built with MinGW, run under Wine.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
file(GLOB_RECURSE win_test_sources CONFIGURE_DEPENDS tests/win/*.cpp)
list(FILTER win_test_sources EXCLUDE REGEX "tests/win/ExcTestApp/")
list(FILTER win_test_sources EXCLUDE REGEX "tests/win/screens/")  # a program of its own
add_executable(win_tests ${win_test_sources} ${app_resources})
target_link_libraries(win_tests PRIVATE vwin gtest gmock)  # its own main: tests/win/TestMain.cpp
target_include_directories(win_tests PRIVATE tests/win resources)
target_compile_options(win_tests PRIVATE ${warn} ${win_flags})
target_link_options(win_tests PRIVATE ${win_link})
add_dependencies(win_tests stage ExcTestApp)

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
