# Runs a command and checks its exit code, what it prints and, for JSON output, chosen
# values of the document.
#   cmake -DCOMMANDE="prog|arg|..." -DCODE=<exit code> [-DSORTIE=<regex on stdout>]
#         [-DERREUR=<regex on stderr>] [-DJSON="key.index=value|key#=length|..."]
#         -P VerifierCommande.cmake
string(REPLACE "|" ";" commande "${COMMANDE}")
execute_process(COMMAND ${commande} RESULT_VARIABLE code OUTPUT_VARIABLE sortie
                ERROR_VARIABLE erreur)
if(NOT code STREQUAL "${CODE}")
    message(FATAL_ERROR "code de sortie ${code} au lieu de ${CODE}\n${sortie}\n${erreur}")
endif()
if(DEFINED SORTIE AND NOT sortie MATCHES "${SORTIE}")
    message(FATAL_ERROR "sortie sans « ${SORTIE} » :\n${sortie}")
endif()
if(DEFINED ERREUR AND NOT erreur MATCHES "${ERREUR}")
    message(FATAL_ERROR "erreur sans « ${ERREUR} » :\n${erreur}")
endif()
if(DEFINED JSON)
    # "path=text" compares a value as CMake renders it (strings and integers), and
    # "path#=n" the length of an array; numbers with decimals are for SORTIE.
    string(REPLACE "|" ";" attendus "${JSON}")
    foreach(attendu ${attendus})
        string(REGEX MATCH "^([^=#]+)(#?)=(.*)$" _ "${attendu}")
        set(valeur_attendue "${CMAKE_MATCH_3}")
        set(operation GET)
        if(CMAKE_MATCH_2)
            set(operation LENGTH)
        endif()
        string(REPLACE "." ";" chemin "${CMAKE_MATCH_1}")
        string(JSON valeur ERROR_VARIABLE probleme ${operation} "${sortie}" ${chemin})
        if(NOT probleme STREQUAL "NOTFOUND")
            message(FATAL_ERROR "${attendu} : ${probleme}\n${sortie}")
        elseif(NOT valeur STREQUAL valeur_attendue)
            message(FATAL_ERROR "${attendu} : « ${valeur} » lu\n${sortie}")
        endif()
    endforeach()
endif()
