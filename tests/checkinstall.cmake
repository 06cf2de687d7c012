# Installs the build into a scratch prefix and checks the desktop files:
# every installed piece is present and the menu entry is valid.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
foreach(path bin/vqzavozozezi bin/zozezi-cli share/applications/vqzavozozezi.desktop
        share/mime/packages/vqzavozozezi.xml share/icons/hicolor/256x256/apps/vqzavozozezi.png
        share/doc/VQZavoZozezi/licences/VQ_EULA.html share/doc/VQZavoZozezi/licences/lgpl.html)
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "missing from the install tree: ${path}")
    endif()
endforeach()
find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
    execute_process(COMMAND ${VALIDATE} ${PREFIX}/share/applications/vqzavozozezi.desktop
                    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT result EQUAL 0 OR NOT out STREQUAL "")
        message(FATAL_ERROR "desktop-file-validate: ${out}")
    endif()
else()
    message(STATUS "desktop-file-validate not found: the entry was not validated")
endif()
