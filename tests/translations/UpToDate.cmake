# Fails while a text of the code is missing from a translation: lupdate, run on copies of the .ts
# files, finds nothing new that would need translating.
# cmake -DLUPDATE=... -DARGS=... -DSOURCE=<translations folder> -DWORK=<scratch folder> -P UpToDate.cmake
file(REMOVE_RECURSE ${WORK})
file(GLOB ts_files ${SOURCE}/*.ts)
file(COPY ${ts_files} DESTINATION ${WORK})
file(GLOB copies ${WORK}/*.ts)
execute_process(COMMAND ${LUPDATE} ${ARGS} -ts ${copies} RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "lupdate failed")
endif()
foreach(copy ${copies})
  file(READ ${copy} text)
  string(REGEX MATCHALL "<source>[^<]*</source>\n *<translation type=\"unfinished\"" untranslated "${text}")
  if(untranslated)
    get_filename_component(name ${copy} NAME)
    message(FATAL_ERROR "${name} lacks translations (run the mosaicor-lupdate target and translate):\n${untranslated}")
  endif()
endforeach()
