# Native build: the portable core, its unit tests, benchmarks and fuzz targets.
enable_testing()
find_package(GTest REQUIRED)
find_package(Threads REQUIRED)

if(VCONFIG_SANITIZE)
  set(san -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_compile_options(vcore PRIVATE ${san})
  target_link_options(vcore PUBLIC ${san})
endif()

# Test doubles: the in-memory file system and registry, the recording surfaces.
# Linked into tests, benchmarks and fuzz targets only, never into the program.
file(GLOB fake_sources CONFIGURE_DEPENDS tests/fakes/*.cpp)
add_library(vfakes STATIC ${fake_sources})
target_include_directories(vfakes PUBLIC tests)
target_link_libraries(vfakes PUBLIC vcore)
target_compile_options(vfakes PRIVATE ${warn})
if(VCONFIG_SANITIZE)
  target_compile_options(vfakes PRIVATE ${san})
endif()

include(cmake/ReportTool.cmake)

# Offline installations for tests: hives written with libhivex, real configuration
# files from the shared test data.
add_library(vofflinetree STATIC tests/offline/OfflineTree.cpp)
target_include_directories(vofflinetree PUBLIC tests ${HIVEX_INCLUDE_DIR})
target_link_libraries(vofflinetree PUBLIC vcore ${HIVEX_LIBRARY})
target_compile_options(vofflinetree PRIVATE ${warn})
target_compile_definitions(vofflinetree PRIVATE
  VCONFIG_TESTDATA="${CMAKE_SOURCE_DIR}/../shared/testdata/real-world"
  VCONFIG_HIVES="${CMAKE_SOURCE_DIR}/../shared/testdata/hives")
if(VCONFIG_SANITIZE)
  target_compile_options(vofflinetree PRIVATE ${san})
endif()

# The same XP tree in a folder of one's choice (scripts/report-samples.sh).
add_executable(offline_demo_tree tests/offline/MakeDemoTree.cpp)
target_link_libraries(offline_demo_tree PRIVATE vofflinetree vcore)

file(GLOB_RECURSE unit_sources CONFIGURE_DEPENDS tests/unit/*.cpp)
add_executable(unit_tests ${unit_sources})
target_link_libraries(unit_tests PRIVATE vfakes vofflinetree vcore GTest::gtest GTest::gtest_main GTest::gmock Threads::Threads)
target_compile_options(unit_tests PRIVATE ${warn})
target_compile_definitions(unit_tests PRIVATE
  VCONFIG_TESTDATA="${CMAKE_SOURCE_DIR}/../shared/testdata/real-world"
  VCONFIG_REPORT_EXE="$<TARGET_FILE:vconfig-report>")
add_dependencies(unit_tests vconfig-report)
if(VCONFIG_SANITIZE)
  target_compile_options(unit_tests PRIVATE ${san})
endif()
include(GoogleTest)
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60)

find_package(benchmark QUIET)
file(GLOB bench_sources CONFIGURE_DEPENDS tests/bench/*.cpp)
if(benchmark_FOUND AND bench_sources)
  add_executable(benchmarks ${bench_sources})
  target_link_libraries(benchmarks PRIVATE vfakes vofflinetree vcore benchmark::benchmark benchmark::benchmark_main)
endif()

# Fuzz targets: libFuzzer with clang (configure with CXX=clang++ and VCONFIG_FUZZ=ON).
option(VCONFIG_FUZZ "Build libFuzzer targets (clang only)" OFF)
if(VCONFIG_FUZZ)
  file(GLOB fuzz_sources CONFIGURE_DEPENDS tests/fuzz/*.cpp)
  foreach(src ${fuzz_sources})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE vfakes vofflinetree vcore)
  endforeach()
endif()

# The generated language tables (the modules' and the console report's) match texts.py.
find_package(Python3 COMPONENTS Interpreter QUIET)
if(Python3_Interpreter_FOUND)
  add_test(NAME LanguageTablesCurrent
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/lang/gen_lang.py --check)
endif()
