# Month-end tax entries, journal templates, payroll postings and the printed
# journal: the computing routines (no Widgets) and the window-side helpers.
if(TARGET velmora_journal_core AND TARGET velmora_printing)
  add_library(velmora_journal2_core STATIC
    ${CMAKE_CURRENT_LIST_DIR}/MonthEndPosting.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MonthEndTax.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PayrollPathFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PayrollSlips.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PayrollTemplates.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PayrollVouchers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PayrollRun.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TemplateRows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TemplateLoad.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TemplateSave.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JournalPrintout.cpp
  )
  target_include_directories(velmora_journal2_core PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(velmora_journal2_core PUBLIC velmora_journal_core velmora_common velmora_dao velmora_printing)
endif()

# The window side: what the buttons and the template list of Form9 do. These
# files belong to the entry window itself, which calls them.
if(TARGET velmora_journal2_core AND TARGET velmora_journal)
  target_sources(velmora_journal PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/MonthEndButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PayrollButtons.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TemplateLoadWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TemplateSaveButton.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JournalPrintoutButton.cpp
  )
  target_link_libraries(velmora_journal PUBLIC velmora_journal2_core)
endif()
