# Draws a Windows icon file from one of the program's SVG pictures, at the
# sizes Explorer asks for, with rsvg-convert and icotool.
find_program(QUILLOX_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(QUILLOX_ICOTOOL icotool REQUIRED)

function(quillox_windows_icon svg ico)
    set(pngs "")
    set(commands "")
    foreach(side 16 24 32 48 64 256)
        set(png ${ico}.${side}.png)
        list(APPEND pngs ${png})
        list(APPEND commands COMMAND ${QUILLOX_RSVG_CONVERT} -w ${side} -h ${side} -o ${png} ${svg})
    endforeach()
    add_custom_command(OUTPUT ${ico}
                       ${commands}
                       COMMAND ${QUILLOX_ICOTOOL} -c -o ${ico} ${pngs}
                       DEPENDS ${svg}
                       COMMENT "Drawing ${ico}")
endfunction()
