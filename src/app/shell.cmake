# Start-up pieces that need no window: where the database lives, the one-copy lock.
add_library(mirte_startup STATIC startup.h startup.cpp)
target_include_directories(mirte_startup PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(mirte_startup PUBLIC mirte_appcore mirte_data mirte_mecab mirte_backup_core Qt6::Core)

# Help window and about box.
add_library(mirte_help STATIC
    f_help.h f_help.cpp
    frmabout.h frmabout.cpp)
target_include_directories(mirte_help PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(mirte_help PUBLIC mirte_appcore Qt6::Widgets)

# The menu, the check window and the program's start.
add_library(mirte_shell STATIC
    f_menu01.h f_menu01.cpp
    test_window.h test_window.cpp
    app_setup.h app_setup.cpp
    screens.h screens.cpp)
target_include_directories(mirte_shell PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(mirte_shell PUBLIC mirte_backup_core mirte_help mirte_appgui mirte_startup mirte_foods_core
    mirte_foods mirte_dishes mirte_health mirte_meals mirte_exercise mirte_trends mirte_appcore Qt6::Widgets)

add_executable(mirte main.cpp)
target_link_libraries(mirte PRIVATE mirte_shell)

# Help documents travel beside the program.
file(GLOB MIRTE_HELP_DOCS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/*.html ${PROJECT_SOURCE_DIR}/help/*.css)
add_custom_target(helpdocs ALL
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MIRTE_RUNTIME_DIR}/help
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${MIRTE_HELP_DOCS} ${MIRTE_RUNTIME_DIR}/help
    DEPENDS ${MIRTE_HELP_DOCS}
    COMMENT "Copying help documents")
add_dependencies(mirte helpdocs)
