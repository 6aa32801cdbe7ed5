# The recordings go beside an executable, in sounds/ of the build folder, where the game looks
# first: each one made again whenever it changes, whether the executable is linked again or not.
#   copy_recordings_beside(TARGET)      as recorded (16-bit PCM)
#   compress_recordings_beside(TARGET)  the speech as MPEG layer 3 in wave files, for Windows' own
#                                       decoder; the earcons, which sound on every key, as recorded
# Both set copied_recordings in the caller's scope: the files made.
function(copy_recordings_beside target)
    _recordings_beside(${target} copy)
    set(copied_recordings ${copied_recordings} PARENT_SCOPE)
endfunction()

function(compress_recordings_beside target)
    _recordings_beside(${target} compress)
    set(copied_recordings ${copied_recordings} PARENT_SCOPE)
endfunction()

function(_recordings_beside target how)
    set(sounds ${PROJECT_SOURCE_DIR}/assets/sounds)
    set(compressor ${PROJECT_SOURCE_DIR}/tools/compress_recording.py)
    file(GLOB_RECURSE recordings CONFIGURE_DEPENDS RELATIVE ${sounds} ${sounds}/*.wav)
    # The touch screens' recordings are the page's alone: no desktop is played by touch.
    list(FILTER recordings EXCLUDE REGEX "_tactil\\.wav$")
    set(copied)
    foreach(recording IN LISTS recordings)
        set(copy ${PROJECT_BINARY_DIR}/sounds/${recording})
        get_filename_component(name ${recording} NAME)
        if(how STREQUAL "compress" AND EXISTS ${sounds}/en/${name})
            get_filename_component(folder ${copy} DIRECTORY)
            add_custom_command(OUTPUT ${copy}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                COMMAND Python3::Interpreter ${compressor} ${sounds}/${recording} ${copy}
                DEPENDS ${sounds}/${recording} ${compressor})
        else()
            add_custom_command(OUTPUT ${copy}
                COMMAND ${CMAKE_COMMAND} -E copy ${sounds}/${recording} ${copy}
                DEPENDS ${sounds}/${recording})
        endif()
        list(APPEND copied ${copy})
    endforeach()
    add_custom_target(recordings ALL DEPENDS ${copied}
                      COMMENT "Making the recordings beside the executable")
    add_dependencies(${target} recordings)
    set(copied_recordings ${copied} PARENT_SCOPE)
endfunction()
