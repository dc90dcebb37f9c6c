# Tests of the month-end tax entries, the journal templates, the payroll
# postings and the printed journal.
if(TARGET velmora_journal2_core AND TARGET velmora_periodfile)
  velmora_add_test(journal2_core_tests LABEL journal
    SOURCES
      ${CMAKE_CURRENT_LIST_DIR}/PayrollRunTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/PayrollTemplatesTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/MonthEndTaxTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/TemplateRoundTripTest.cpp
    LIBS velmora_journal2_core velmora_periodfile)
endif()
if(TARGET velmora_journal2_core AND TARGET velmora_periodfile AND TARGET velmora_printing_qt)
  velmora_add_test(journal2_printout_tests LABEL journal
    SOURCES
      ${CMAKE_CURRENT_LIST_DIR}/JournalPrintoutTest.cpp
    LIBS velmora_journal2_core velmora_printing_qt velmora_periodfile
    QT)
endif()
if(TARGET velmora_journal AND TARGET velmora_journal2_core AND TARGET velmora_periodfile)
  velmora_add_test(journal2_window_tests LABEL journal QT
    SOURCES
      ${CMAKE_CURRENT_LIST_DIR}/TemplateWindowTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/PayrollWindowTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/MonthEndWindowTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/JournalPrintoutWindowTest.cpp
    LIBS velmora_journal velmora_periodfile)
endif()
