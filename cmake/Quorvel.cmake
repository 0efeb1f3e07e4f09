# quorvel_core_library(<name> DEPS <libs...>)
# Builds every .cpp of the calling folder (not its sub-folders) into a static core library.
function(quorvel_core_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${sources})
    set(scope PUBLIC)
  else()
    add_library(${name} INTERFACE)  # folder not written yet
    set(scope INTERFACE)
  endif()
  target_include_directories(${name} ${scope} ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} ${scope} Qt6::Core ${ARG_DEPS})
  target_compile_definitions(${name} ${scope} QT_NO_KEYWORDS)
endfunction()

# quorvel_test(<name> DEPS <libs...>): one test program from every .cpp of the calling folder.
function(quorvel_test name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} quorvel_testsupport GTest::gtest GTest::gmock)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QUORVEL_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
    DISCOVERY_TIMEOUT 60)
endfunction()

# quorvel_gui_library(<name> DEPS <libs...>): the Qt widget code of a folder (moc on).
function(quorvel_gui_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources})
  set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport ${ARG_DEPS})
  target_compile_definitions(${name} PUBLIC QT_NO_KEYWORDS)
endfunction()
