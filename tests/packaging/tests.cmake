# Checks the menu entry and the software-centre data against their validators, where installed
# (desktop-file-utils, appstream).
set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    add_test(NAME packaging_desktop_entries
             COMMAND ${DESKTOP_FILE_VALIDATE} ${packaging_dir}/example.webviewer.WebViewer.desktop
                     ${packaging_dir}/example.webviewer.Quillstep.desktop)
endif()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    add_test(NAME packaging_metainfo
             COMMAND ${APPSTREAMCLI} validate --no-net
                     ${packaging_dir}/example.webviewer.WebViewer.metainfo.xml)
endif()
