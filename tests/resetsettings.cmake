# Gives every test program (one folder per program under DIR) settings that
# hold only the address of a closed local port as the update server.
file(REMOVE_RECURSE ${DIR})
file(GLOB programs RELATIVE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_LIST_DIR}/*/tst_*.cpp)
foreach(program ${programs})
    get_filename_component(name ${program} NAME_WE)
    file(WRITE ${DIR}/${name}/Velquin/VQZAVOZozezi.conf
         "[General]\nUpdateUrl=http://127.0.0.1:9/~ftp-xml/product_update_1001.xml\n")
endforeach()
