# The recordings go beside an executable, in sounds/ of the build folder, where the game looks
# first: each one copied again whenever it changes, whether the executable is linked again or not.
#   copy_recordings_beside(TARGET)
function(copy_recordings_beside target)
    set(sounds ${PROJECT_SOURCE_DIR}/assets/sounds)
    file(GLOB_RECURSE recordings CONFIGURE_DEPENDS RELATIVE ${sounds} ${sounds}/*.wav)
    set(copied)
    foreach(recording IN LISTS recordings)
        set(copy ${PROJECT_BINARY_DIR}/sounds/${recording})
        add_custom_command(OUTPUT ${copy}
            COMMAND ${CMAKE_COMMAND} -E copy ${sounds}/${recording} ${copy}
            DEPENDS ${sounds}/${recording})
        list(APPEND copied ${copy})
    endforeach()
    add_custom_target(recordings ALL DEPENDS ${copied}
                      COMMENT "Copying the recordings beside the executable")
    add_dependencies(${target} recordings)
    set(copied_recordings ${copied} PARENT_SCOPE)
endfunction()
