# Installs the build into a fresh temporary prefix and checks what a desktop
# needs is there, then runs the installed programs once: an installed copy
# keeps its data in the user's data folder, not beside the program.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DWITH_GUI=ON|OFF -P install_test.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

set(expected bin/pentad-cli share/pentad share/pentad/Pentad_ENU.lng)
if(WITH_GUI)
    list(APPEND expected bin/Pentad share/applications/pentad.desktop
        share/icons/hicolor/scalable/apps/pentad.svg
        share/icons/hicolor/256x256/apps/pentad.png)
endif()
foreach(path ${expected})
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

if(WITH_GUI)
    file(READ ${PREFIX}/share/applications/pentad.desktop entry)
    foreach(line "Exec=Pentad" "Icon=pentad" "Type=Application")
        string(FIND "${entry}" "${line}" at)
        if(at LESS 0)
            message(FATAL_ERROR "pentad.desktop lacks ${line}")
        endif()
    endforeach()
endif()

# The installed tool on a user's data folder.
set(user_data ${PREFIX}/user-data)
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=PENTAD_DIR XDG_DATA_HOME=${user_data}
        ${PREFIX}/bin/pentad-cli draws add --digits 1,2,3,4,5 --date "01/02/2024 M"
    RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "installed pentad-cli failed: ${rc}")
endif()
if(NOT EXISTS ${user_data}/Pentad/Pentad.ldr)
    message(FATAL_ERROR "the installed tool did not keep its data in ${user_data}/Pentad")
endif()
file(GLOB beside_program ${PREFIX}/bin/Pentad.*)
if(beside_program)
    message(FATAL_ERROR "data written beside the installed program: ${beside_program}")
endif()

if(WITH_GUI)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=PENTAD_DIR XDG_DATA_HOME=${user_data}
            QT_QPA_PLATFORM=offscreen ${PREFIX}/bin/Pentad --smoke
        RESULT_VARIABLE rc TIMEOUT 60)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "installed Pentad failed to start: ${rc}")
    endif()
    if(NOT EXISTS ${user_data}/Pentad/Pentad.frm)
        message(FATAL_ERROR "the installed program did not keep its layout in ${user_data}/Pentad")
    endif()
endif()
file(REMOVE_RECURSE ${PREFIX})
