# Helpers that keep the per-folder CMake files one line long.

# kirvos_add_layer(NAME [DEPS lib...] [QT component...])
# Builds src/NAME into the static library kirvos_NAME from every .cpp in the folder.
function(kirvos_add_layer name)
  cmake_parse_arguments(ARG "" "" "DEPS;QT" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(kirvos_${name} STATIC ${sources})
    target_include_directories(kirvos_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(kirvos_${name} PUBLIC ${ARG_DEPS})
    foreach(component ${ARG_QT})
      target_link_libraries(kirvos_${name} PUBLIC Qt6::${component})
    endforeach()
  else()
    # A layer with no code yet still exists, so the layers above it can name it.
    add_library(kirvos_${name} INTERFACE)
    target_include_directories(kirvos_${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(kirvos_${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# kirvos_add_test(FILE LIB...): one GoogleTest file becomes one test executable and one ctest entry.
function(kirvos_add_test file)
  get_filename_component(name ${file} NAME_WE)
  add_executable(${name} ${file})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    KIRVOS_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    KIRVOS_DATA_DIR="${CMAKE_SOURCE_DIR}/data"
    KIRVOS_BIN_DIR="${KIRVOS_BIN_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()

# kirvos_add_tests(LIB...): every *_test.cpp of the current folder, linked with LIB...
function(kirvos_add_tests)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  foreach(test ${tests})
    kirvos_add_test(${test} ${ARGN})
  endforeach()
endfunction()
