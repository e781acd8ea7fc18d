# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into STAGE and checks the installed files (run by ctest as install_layout).
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${STAGE}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()
set(wanted
  ${BINDIR}/sumblitz
  ${DATADIR}/applications/${APP_ID}.desktop
  ${DATADIR}/metainfo/${APP_ID}.metainfo.xml
  ${DATADIR}/icons/hicolor/scalable/apps/sumblitz.svg
  ${DATADIR}/sumblitz/sumblitz.png
  ${DATADIR}/man/man1/sumblitz.1.gz
  ${DATADIR}/doc/sumblitz/copyright
  ${DATADIR}/doc/sumblitz/changelog.gz
  ${DATADIR}/doc/sumblitz/README.md.gz
  ${DATADIR}/sumblitz/screenshots/main.png)
# The modules the program loads when first needed (the sounds, the voice, the windows its
# buttons open, the Progress window's chart): without them it starts and runs, silent, with no
# other window and no chart, so only this check would notice.
foreach(module sumblitz-sound.so sumblitz-speech.so sumblitz-windows.so sumblitz-charts.so)
  list(APPEND wanted ${MODULEDIR}/${module})
endforeach()
foreach(lang de fr es)
  list(APPEND wanted ${DATADIR}/sumblitz/translations/sumblitz_${lang}.qm)
endforeach()
foreach(size 48 64 128 256)
  list(APPEND wanted ${DATADIR}/icons/hicolor/${size}x${size}/apps/sumblitz.png)
endforeach()
foreach(name logo.jpg hsmile.jpg ssmile.jpg sp.jpg rg.jpg start.wav correct.wav wrong.wav
        timeout.wav finish.wav tick.wav)
  list(APPEND wanted ${DATADIR}/sumblitz/${name})
endforeach()
foreach(f IN LISTS wanted)
  if(NOT EXISTS ${STAGE}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
execute_process(COMMAND ${STAGE}/${BINDIR}/sumblitz --version RESULT_VARIABLE rc
                OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "Sumblitz [0-9]")
  message(FATAL_ERROR "installed sumblitz --version: ${rc} ${out} ${err}")
endif()
