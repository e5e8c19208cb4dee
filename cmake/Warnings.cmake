# Warnings for every target of ours; third-party headers come in as system headers.
function(tf_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
        -Wno-sign-conversion)
endfunction()

# A static library made of every .cpp in the calling folder, minus EXCLUDE.
# Folders list their files by glob so that adding a class needs no CMake edit.
function(tf_folder_library name)
    cmake_parse_arguments(ARG "NO_QT" "" "EXCLUDE;LINK" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    foreach(ex IN LISTS ARG_EXCLUDE)
        list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${ex})
        list(REMOVE_ITEM headers ${CMAKE_CURRENT_SOURCE_DIR}/${ex})
    endforeach()
    if(NOT sources)
        # Nothing compiled here yet: still a target others can link.
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${TALLYFOLD_SRC})
        target_link_libraries(${name} INTERFACE ${ARG_LINK})
        return()
    endif()
    add_library(${name} STATIC ${sources} ${headers})
    target_include_directories(${name} PUBLIC ${TALLYFOLD_SRC})
    target_link_libraries(${name} PUBLIC ${ARG_LINK})
    if(ARG_NO_QT)
        set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    endif()
    tf_warnings(${name})
endfunction()

# A GoogleTest executable from every *Test.cpp in the calling folder (Qt-free tests).
function(tf_gtest name)
    cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*Test.cpp)
    add_executable(${name} ${sources})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARG_LINK} GTest::gtest_main GTest::gmock)
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    tf_warnings(${name})
    gtest_discover_tests(${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        DISCOVERY_TIMEOUT 60)
endfunction()

# One QtTest executable per tst_*.cpp source; each runs offscreen as its own CTest.
function(tf_qtests)
    cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
    foreach(source IN LISTS sources)
        tf_qtest(${source} LINK ${ARG_LINK})
    endforeach()
endfunction()

function(tf_qtest source)
    cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARG_LINK} Qt6::Test Qt6::Widgets)
    tf_warnings(${name})
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
