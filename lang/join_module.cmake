# Joins the translation lists SOURCES into the module OUTPUT.
file(WRITE ${OUTPUT}.tmp "# Pentad language module\n")
foreach(source ${SOURCES})
    file(READ ${source} text)
    file(APPEND ${OUTPUT}.tmp "${text}\n")
endforeach()
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
