# Resource scripts are compiled by windres for both targets. The Windows build links the result
# as an object; the host build embeds the very same .res into the module as HostResourceBlob,
# which the host layer's resource functions read.
find_program(QZ_WINDRES NAMES i686-w64-mingw32-windres windres REQUIRED)

# qz_add_resources(<target> <rc file> <depends...>): a library <target> that links the compiled
# resources into whatever links it.
function(qz_add_resources target rc)
    set(res ${CMAKE_CURRENT_BINARY_DIR}/${target}.res)
    add_custom_command(
        OUTPUT ${res}
        COMMAND ${QZ_WINDRES} -I${CMAKE_SOURCE_DIR} -O res -o ${res} ${rc}
        DEPENDS ${rc} ${ARGN}
        COMMENT "Compiling resources ${rc}")
    if(WIN32)
        set(obj ${CMAKE_CURRENT_BINARY_DIR}/${target}_res.obj)
        add_custom_command(
            OUTPUT ${obj}
            COMMAND ${QZ_WINDRES} -J res -O coff -o ${obj} ${res}
            DEPENDS ${res})
        add_custom_target(${target}_build DEPENDS ${obj})
        add_library(${target} INTERFACE)
        target_link_libraries(${target} INTERFACE ${obj})
        add_dependencies(${target} ${target}_build)
    else()
        set(blob ${CMAKE_CURRENT_BINARY_DIR}/${target}_blob.cpp)
        add_custom_command(
            OUTPUT ${blob}
            COMMAND ${CMAKE_COMMAND} -DINPUT=${res} -DOUTPUT=${blob} -P ${CMAKE_SOURCE_DIR}/cmake/EmbedResources.cmake
            DEPENDS ${res} ${CMAKE_SOURCE_DIR}/cmake/EmbedResources.cmake)
        add_library(${target} OBJECT ${blob})
    endif()
    set_property(TARGET ${target} PROPERTY QZ_RES_FILE ${res})
endfunction()

# qz_host_exports_from_def(<target> <def file>): on the host, export exactly the names of the
# .def file, each ordinal as the alias HostOrdinal_<n>, and the host loader's hooks.
function(qz_host_exports_from_def target def)
    file(STRINGS ${def} lines REGEX "^[ \t]+[A-Za-z_][A-Za-z0-9_]*[ \t]+@[0-9]+")
    set(globals "DllMain;HostResourceBlob;")
    foreach(line IN LISTS lines)
        string(REGEX MATCH "([A-Za-z_][A-Za-z0-9_]*)[ \t]+@([0-9]+)" _ "${line}")
        list(APPEND globals "${CMAKE_MATCH_1};HostOrdinal_${CMAKE_MATCH_2};")
        target_link_options(${target} PRIVATE "LINKER:--defsym=HostOrdinal_${CMAKE_MATCH_2}=${CMAKE_MATCH_1}")
    endforeach()
    string(REPLACE ";;" ";" globals "${globals}")
    set(map ${CMAKE_CURRENT_BINARY_DIR}/${target}.map)
    file(WRITE ${map} "{\n  global: ${globals}\n  local: *;\n};\n")
    target_link_options(${target} PRIVATE "LINKER:--version-script=${map}")
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${map} ${def})
endfunction()
