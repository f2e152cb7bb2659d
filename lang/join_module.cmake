# Joins the translation lists SOURCE_DIR/*.txt, in name order, into the module OUTPUT.
file(GLOB SOURCES ${SOURCE_DIR}/*.txt)
list(SORT SOURCES)
file(WRITE ${OUTPUT}.tmp "# Pentad language module\n")
foreach(source ${SOURCES})
    file(READ ${source} text)
    file(APPEND ${OUTPUT}.tmp "${text}\n")
endforeach()
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
