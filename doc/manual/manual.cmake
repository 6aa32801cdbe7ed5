# The player's manual, one Markdown file a language, made into HTML by Debian's pandoc. Every
# edition ships the same pages: the desktop installs them, the page links them, the Windows
# edition puts them beside the game and in the Start menu.
#   tintineables_manual(FOLDER OUTPUTS_VARIABLE): FOLDER/es.html ... FOLDER/fr.html
set(TINTINEABLES_MANUAL_LANGUAGES es en pt fr)
function(tintineables_manual folder outputs)
    find_program(PANDOC pandoc REQUIRED)
    set(source ${PROJECT_SOURCE_DIR}/doc/manual)
    set(made)
    foreach(language IN LISTS TINTINEABLES_MANUAL_LANGUAGES)
        add_custom_command(OUTPUT ${folder}/${language}.html
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            COMMAND ${PANDOC} --from=markdown --to=html5 --standalone --toc --toc-depth=2
                    --template=${source}/template.html --output=${folder}/${language}.html
                    ${source}/${language}.md
            DEPENDS ${source}/${language}.md ${source}/template.html
            COMMENT "Making the ${language} manual" VERBATIM)
        list(APPEND made ${folder}/${language}.html)
    endforeach()
    set(${outputs} ${made} PARENT_SCOPE)
endfunction()
