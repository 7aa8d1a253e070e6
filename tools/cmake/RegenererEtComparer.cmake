# Runs a generator of the reference data into a scratch folder and checks that it
# writes exactly the committed files: the same names and the same bytes.
#   cmake -DOUTIL=<generator> [-DENTREE1=<arg>] [-DENTREE2=<arg>] -DSORTIE=<scratch folder>
#         -DREFERENCE=<committed folder> -P RegenererEtComparer.cmake
foreach(variable OUTIL SORTIE REFERENCE)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "${variable} manquant")
    endif()
endforeach()

file(REMOVE_RECURSE "${SORTIE}")
set(arguments)
foreach(entree ENTREE1 ENTREE2)
    if(DEFINED ${entree})
        list(APPEND arguments "${${entree}}")
    endif()
endforeach()
execute_process(COMMAND "${OUTIL}" ${arguments} "${SORTIE}" RESULT_VARIABLE code
                OUTPUT_QUIET)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "le générateur a échoué (${code})")
endif()

file(GLOB ecrits RELATIVE "${SORTIE}" "${SORTIE}/*")
file(GLOB engages RELATIVE "${REFERENCE}" "${REFERENCE}/*")
list(SORT ecrits)
list(SORT engages)
if(NOT ecrits STREQUAL engages)
    message(FATAL_ERROR "fichiers différents :\n écrits : ${ecrits}\n engagés : ${engages}")
endif()
set(differents)
foreach(nom ${ecrits})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${SORTIE}/${nom}"
                            "${REFERENCE}/${nom}" RESULT_VARIABLE different)
    if(NOT different EQUAL 0)
        list(APPEND differents "${nom}")
    endif()
endforeach()
if(differents)
    message(FATAL_ERROR "contenu différent de ce qu'écrit le générateur : ${differents}")
endif()
list(LENGTH ecrits nombre)
message(STATUS "${nombre} fichiers identiques")
