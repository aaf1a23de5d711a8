# Puts the example sessions FILES (a list of paths) in SITE/examples, alone, and lists their names,
# in the order given, in SITE/example-files.js for the Examples menu.
file(REMOVE_RECURSE ${SITE}/examples)
file(MAKE_DIRECTORY ${SITE}/examples)
set(names "")
foreach(path ${FILES})
    get_filename_component(name ${path} NAME)
    configure_file(${path} ${SITE}/examples/${name} COPYONLY)
    string(REPLACE "\\" "\\\\" name "${name}")
    string(REPLACE "'" "\\'" name "${name}")
    list(APPEND names "'${name}'")
endforeach()
list(JOIN names ", " names)
file(WRITE ${SITE}/example-files.js "// The example sessions in examples/, as the Examples menu lists them.\n"
                                    "export const exampleFiles = [${names}];\n")
