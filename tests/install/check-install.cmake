# Run by CTest in script mode (see CMakeLists.txt beside this file for the
# variables it is given). Every step that fails ends the test with its reason.

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
# The consumers run offscreen whatever display the caller has.
set(ENV{QT_QPA_PLATFORM} offscreen)

function(run)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK_DIR} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        string(REPLACE ";" " " command "${ARGN}")
        message(FATAL_ERROR "failed (${status}): ${command}")
    endif()
endfunction()

function(forbid_paths file)
    file(READ ${file} text)
    foreach(path IN LISTS ARGN)
        string(FIND "${text}" "${path}" at)
        if(NOT at EQUAL -1)
            message(FATAL_ERROR "${file} names ${path}")
        endif()
    endforeach()
endfunction()

set(config_option "")
if(CONFIG)
    set(config_option --config ${CONFIG})
endif()
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} ${config_option})

# The package has to work wherever the prefix is copied to, so it names no
# folder of the source or build tree (the prefix itself lies in the latter).
file(GLOB_RECURSE package_files ${prefix}/*.cmake ${prefix}/*.pc)
if(NOT package_files)
    message(FATAL_ERROR "no CMake package or pkg-config file under ${prefix}")
endif()
foreach(file IN LISTS package_files)
    forbid_paths(${file} ${SOURCE_DIR} ${BUILD_DIR})
endforeach()

# The installed agent loads the installed library, found through its RPATH.
find_program(LDD ldd)
if(LDD AND EXISTS ${prefix}/bin/lodestar)
    set(ENV{LD_LIBRARY_PATH} "")
    execute_process(COMMAND ${LDD} ${prefix}/bin/lodestar OUTPUT_VARIABLE libraries)
    if(NOT libraries MATCHES "liborvakit\\.so\\.[0-9]+ => ${prefix}/")
        message(FATAL_ERROR "the installed agent does not load the installed library:\n${libraries}")
    endif()
endif()

# find_package(orvakit) with the prefix alone. The consumer is built as the
# project is (compiler and flags, so that sanitizer builds link), and its
# include path holds nothing of the library's source or build folders.
set(consumer_build ${WORK_DIR}/consumer-build)
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${consumer_build} -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix}
    -DCMAKE_BUILD_TYPE=${CONFIG}
    -DCMAKE_CXX_COMPILER=${CXX}
    -DCMAKE_CXX_FLAGS=${CXX_FLAGS}
    -DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}
    -DQt5_DIR=${QT5_DIR}
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
)
forbid_paths(${consumer_build}/compile_commands.json ${SOURCE_DIR}/orvakit ${BUILD_DIR}/orvakit)
run(${CMAKE_COMMAND} --build ${consumer_build} ${config_option})
run(${consumer_build}/orvakit-consumer)

# pkg-config: the flags name existing folders, and a program including every
# installed header compiles, links and runs with them. Qt built with reduced
# relocations wants -fPIC, which Qt's own .pc files leave to the caller.
find_program(PKG_CONFIG pkg-config)
if(NOT PKG_CONFIG)
    message(FATAL_ERROR "pkg-config is not installed")
endif()
file(GLOB_RECURSE pc_file ${prefix}/*/orvakit.pc)
get_filename_component(pc_dir "${pc_file}" DIRECTORY)
set(ENV{PKG_CONFIG_PATH} ${pc_dir})
execute_process(COMMAND ${PKG_CONFIG} --cflags --libs orvakit
    OUTPUT_VARIABLE pc_flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "pkg-config does not know orvakit in ${pc_dir}")
endif()
separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
foreach(flag IN LISTS pc_flags)
    if(flag MATCHES "^-[IL](.+)$")
        if(NOT IS_DIRECTORY ${CMAKE_MATCH_1})
            message(FATAL_ERROR "pkg-config names a missing folder: ${flag}")
        endif()
    endif()
    if(flag MATCHES "^-L(.+)$")
        set(ENV{LD_LIBRARY_PATH} ${CMAKE_MATCH_1})
    endif()
endforeach()

file(GLOB_RECURSE headers RELATIVE ${prefix}/include/orvakit ${prefix}/include/orvakit/*.h)
set(program "")
foreach(header IN LISTS headers)
    string(APPEND program "#include \"${header}\"\n")
endforeach()
string(APPEND program [[
int main()
{
    return getHtmlEscapedStringForToolTip("a<b").contains("a&lt;b") ? 0 : 1;
}
]])
file(WRITE ${WORK_DIR}/all-headers.cpp "${program}")
separate_arguments(cxx_flags UNIX_COMMAND "${CXX_FLAGS}")
separate_arguments(linker_flags UNIX_COMMAND "${LINKER_FLAGS}")
run(${CXX} ${cxx_flags} -std=c++17 -fPIC all-headers.cpp -o all-headers ${pc_flags} ${linker_flags})
run(${WORK_DIR}/all-headers)
