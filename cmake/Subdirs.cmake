# Adds every direct subfolder of the current source folder that has a CMakeLists.txt, in name
# order, so that each area owns its own build file and no shared list must be edited. An
# optional glob (e.g. "fuzz_*") limits which subfolders are added.
function(calc_add_all_subdirectories)
    set(pattern "*")
    if(ARGC GREATER 0)
        set(pattern "${ARGV0}")
    endif()
    file(GLOB children RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/${pattern})
    list(SORT children)
    foreach(child ${children})
        if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child}
           AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
            add_subdirectory(${child})
        endif()
    endforeach()
endfunction()
