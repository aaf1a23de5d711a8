# Puts the Qt Linguist files of TS_FOLDER where the page loads them, SITE/translations, and lists
# their languages in SITE/languages.js; English, whose file holds its plural forms alone, is not
# among them.
file(GLOB TS_FILES ${TS_FOLDER}/vspace_*.ts)
set(languages "")
foreach(ts ${TS_FILES})
    get_filename_component(name ${ts} NAME)
    string(REGEX REPLACE "^vspace_(.*)\\.ts$" "\\1" language ${name})
    if(NOT language STREQUAL "en") # English plural forms alone
        list(APPEND languages "'${language}'")
    endif()
    configure_file(${ts} ${SITE}/translations/${name} COPYONLY)
endforeach()
list(JOIN languages ", " languages)
file(WRITE ${SITE}/languages.js
     "// The languages the page has translations for (translations/*.ts).\nexport const languages = [${languages}];\n")
