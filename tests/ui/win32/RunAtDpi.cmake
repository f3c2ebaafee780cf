# Runs the DPI tests of test_ui_win32 under Wine at DPI dots per inch, in the
# Wine prefix PREFIX (made at the first run). Wine reads the DPI from the
# prefix's registry when a program starts.
#   cmake -DDPI=144 -DWINE_RUN=wine-run.sh -DPREFIX=dir -DTEST=test_ui_win32.exe -P RunAtDpi.cmake
set(ENV{WINEPREFIX} ${PREFIX})
function(wine)
  execute_process(COMMAND ${WINE_RUN} ${ARGN} OUTPUT_QUIET ERROR_QUIET RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "wine ${ARGN}: ${result}")
  endif()
endfunction()
if(NOT EXISTS ${PREFIX}/system.reg)
  wine(wineboot --init)
  # Unmanaged windows: no wait for a window manager there is not.
  wine(reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f)
endif()
wine(reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d ${DPI} /f)
execute_process(COMMAND ${WINE_RUN} ${TEST} --gtest_filter=DpiLayoutTest.*
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the DPI tests failed at ${DPI} DPI")
endif()
