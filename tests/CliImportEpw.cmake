# varquin-cli import-epw on a real weather file of the climate folder, on a file that
# does not exist (exit 1, French message) and without its file (exit 2).
set(VARQUIN_VERIFIER ${CMAKE_CURRENT_SOURCE_DIR}/VerifierCommande.cmake)
set(VARQUIN_EPW_LYON
    "${CMAKE_SOURCE_DIR}/../shared/climate/raw/FRA_AR_Lyon-Bron.AP.074800_TMYx.2004-2018.epw")

if(EXISTS "${VARQUIN_EPW_LYON}")
    # Monthly figures of the climate table for this file.
    add_test(NAME cli_import_epw
             COMMAND ${CMAKE_COMMAND} "-DCOMMANDE=$<TARGET_FILE:varquin-cli>|import-epw|${VARQUIN_EPW_LYON}"
                     -DCODE=0
                     "-DSORTIE=Station : Lyon Bron AP\nLatitude : 45,7261°N.*Altitude : 198 m.*\nJan +1,066 +3,94 +6,87\n.*\nJuil +6,342 +22,58 +20,93\n"
                     -P ${VARQUIN_VERIFIER})
    add_test(NAME cli_import_epw_json
             COMMAND ${CMAKE_COMMAND} "-DCOMMANDE=$<TARGET_FILE:varquin-cli>|import-epw|${VARQUIN_EPW_LYON}|--format|json"
                     -DCODE=0
                     "-DJSON=station=Lyon Bron AP|hemisphere=N|altitude=198|heures=8760|Gh#=12|Text#=12|Tef#=12"
                     "-DSORTIE=\"Gh\": \\[1.066, 1.911, .*, 0.939\\].*\"Text\": \\[3.94, "
                     -P ${VARQUIN_VERIFIER})
endif()
add_test(NAME cli_import_epw_absent
         COMMAND ${CMAKE_COMMAND} "-DCOMMANDE=$<TARGET_FILE:varquin-cli>|import-epw|${CMAKE_CURRENT_BINARY_DIR}/absent.epw"
                 -DCODE=1 "-DERREUR=Impossible d'ouvrir le fichier « .*absent.epw »"
                 -P ${VARQUIN_VERIFIER})
add_test(NAME cli_import_epw_usage
         COMMAND ${CMAKE_COMMAND} "-DCOMMANDE=$<TARGET_FILE:varquin-cli>|import-epw|--format|xml"
                 -DCODE=2 "-DERREUR=Usage : varquin-cli import-epw"
                 -P ${VARQUIN_VERIFIER})
