# The program, its Windows tests and the end-to-end driver (MinGW-w64; tests run through Wine).
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} --codepage=65001")
# Each function in its own section, so the linker can leave out what nothing calls.
add_compile_options(-municode -ffunction-sections -fdata-sections)
# The program's own statics are all first reached on the window thread (the optimiser's worker runs
# only the fill, which has none): their guards would bring the threads library's locks along. The
# program catches no exception (one that escapes ends it, with or without unwinding), so its code
# carries no unwinding paths: 8 KB less.
set(single_thread_statics "$<$<COMPILE_LANGUAGE:CXX>:-fno-threadsafe-statics;-fno-exceptions>")
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
# Static: the only imports left are the system's own DLLs.
add_link_options(-static)
# Reproducible: the same commit builds the same bytes in any folder at any time. No link time in
# the PE header, and no clone's folder in the code should a path ever reach it (__FILE__).
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=)
add_link_options(-Wl,--no-insert-timestamp)
# GNU ld of binutils 2.44 makes the import section read-only, where the delay-load helper writes
# (cmake/writable_idata.sh); lld keeps the delay-load slots writable by itself.
if(CMAKE_CXX_COMPILER_ID STREQUAL GNU)
  list(APPEND CMAKE_CXX_LINK_EXECUTABLE "sh ${CMAKE_SOURCE_DIR}/cmake/writable_idata.sh <TARGET>")
endif()

add_library(tamarak_base STATIC src/base/failure_note.cpp src/base/font_faces.cpp src/base/message_loop.cpp src/base/screen_dpi.cpp src/base/text.cpp)
target_compile_options(tamarak_base PRIVATE ${single_thread_statics})
tamarak_layer(tamarak_base FOLDERS base)
target_link_libraries(tamarak_base PUBLIC gdi32 user32)

add_library(tamarak_system STATIC
  src/system/app_mode.cpp
  src/system/memory_fill.cpp
  src/system/win32_services.cpp
  src/system/worker_thread.cpp)
target_compile_options(tamarak_system PRIVATE ${single_thread_statics})
tamarak_layer(tamarak_system FOLDERS system)
target_link_libraries(tamarak_system PUBLIC tamarak_base shell32 advapi32)

add_library(tamarak_ui STATIC
  src/ui/colour_button.cpp
  src/ui/common_controls.cpp
  src/ui/controls.cpp
  src/ui/dark_menu_bar.cpp
  src/ui/designed_window.cpp
  src/ui/fonts.cpp
  src/ui/link_label.cpp
  src/ui/menu_table.cpp
  src/ui/modal_session.cpp
  src/ui/off_taskbar_owner.cpp
  src/ui/popup_menu.cpp
  src/ui/rounded_frame.cpp
  src/ui/tooltips.cpp
  src/ui/win32_prompts.cpp
  src/ui/window.cpp)
target_compile_options(tamarak_ui PRIVATE ${single_thread_statics})
tamarak_layer(tamarak_ui FOLDERS ui)
target_link_libraries(tamarak_ui PUBLIC tamarak_base uuid)

add_library(tamarak_features STATIC
  src/about/frmAbout.cpp
  src/about/frmAbout_design.cpp
  src/about/own_identity.cpp
  src/about/sys_info_launcher.cpp
  src/commands/launch_beside_program.cpp
  src/monitor/meter_icons.cpp
  src/monitor/refresh_schedule.cpp
  src/monitor/tray_icon.cpp
  src/optimiser/optimiser_run.cpp
  src/tools/frmAppRun.cpp
  src/tools/frmAppRun_design.cpp
  src/tools/frmClip.cpp
  src/tools/frmClip_design.cpp
  src/tools/frmIp.cpp
  src/tools/frmIp_design.cpp
  src/tools/ole_drop.cpp
  src/tools/tool_window.cpp
  src/tools/tool_windows.cpp)
target_compile_options(tamarak_features PRIVATE ${single_thread_statics})
tamarak_layer(tamarak_features FOLDERS ${feature_folders})
target_link_libraries(tamarak_features PUBLIC tamarak_ui tamarak_system tamarak_rules uuid)

add_library(tamarak_app STATIC src/app/frmSysTray.cpp src/app/frmSysTray_design.cpp src/app/frmSysTray_panel.cpp
  src/app/menus.cpp src/app/program_lifetime.cpp)
target_compile_options(tamarak_app PRIVATE ${single_thread_statics})
tamarak_layer(tamarak_app FOLDERS app)
target_link_libraries(tamarak_app PUBLIC tamarak_features)

# DLLs that only a window or a command needs are delay-loaded: they come in at their first call,
# after the program has restricted where DLLs may come from, and cost nothing until then.
foreach(dll comctl32 dwmapi ole32 uxtheme ws2_32 wtsapi32)
  set(delay_lib ${CMAKE_BINARY_DIR}/lib${dll}_delay.a)
  add_custom_command(OUTPUT ${delay_lib}
                     COMMAND ${CMAKE_DLLTOOL} -d ${CMAKE_SOURCE_DIR}/cmake/delay_load/${dll}.def -y ${delay_lib}
                     DEPENDS cmake/delay_load/${dll}.def)
  list(APPEND delay_libs ${delay_lib})
endforeach()
add_custom_target(delay_load_libraries DEPENDS ${delay_libs})
add_dependencies(tamarak_base delay_load_libraries)
target_link_libraries(tamarak_base PUBLIC ${delay_libs})

add_executable(tamarak WIN32 src/app/main.cpp src/base/no_exceptions.cpp src/resources/tamarak.rc)
target_link_libraries(tamarak PRIVATE tamarak_app)
target_compile_options(tamarak PRIVATE ${single_thread_statics})
target_compile_options(tamarak_rules PRIVATE ${single_thread_statics})
# Terminal-server aware, as every GUI program from the platform's own linker is: no compatibility
# shims for its windows and registry on a terminal server.
target_link_options(tamarak PRIVATE -municode -s -Wl,--gc-sections -Wl,--tsaware)

# The program's own screen saver, a second small executable over the same bottom layer and meter
# pictures, built and hardened as the program is.
add_executable(tamarak_ss WIN32 src/saver/main.cpp src/saver/saver_window.cpp src/monitor/meter_icons.cpp src/base/no_exceptions.cpp
                                src/resources/saver.rc)
set_target_properties(tamarak_ss PROPERTIES OUTPUT_NAME "Tamarak's SS" SUFFIX ".scr")
target_link_libraries(tamarak_ss PRIVATE tamarak_base tamarak_rules tamarak_saver_rules)
target_compile_options(tamarak_ss PRIVATE ${single_thread_statics})
target_compile_options(tamarak_saver_rules PRIVATE ${single_thread_statics})
target_link_options(tamarak_ss PRIVATE -municode -s -Wl,--gc-sections -Wl,--tsaware)

# Either release's GCC, which builds what ships, builds them within their budgets, or the build fails.
if(CMAKE_CXX_COMPILER_ID STREQUAL GNU)
  foreach(target_budget "tamarak;262144" "tamarak_ss;163840")  # 256 KB, 160 KB
    list(GET target_budget 0 target)
    list(GET target_budget 1 budget)
    add_custom_command(TARGET ${target} POST_BUILD
                       COMMAND ${CMAKE_COMMAND} -Dfile=$<TARGET_FILE:${target}> -Dbudget=${budget}
                               -P ${CMAKE_SOURCE_DIR}/cmake/size_budget.cmake VERBATIM)
  endforeach()
endif()

# help.htm, the guide as one self-contained page, in a folder of its own: the program's folder in the
# build has no help page, as a folder holding only tamarak.exe has none.
file(GLOB guide_pictures CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/*.png)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/help/help.htm
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/help
                   COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/packaging/help_page.py
                           ${CMAKE_SOURCE_DIR}/docs/guide-ja.md ${CMAKE_BINARY_DIR}/help/help.htm
                   DEPENDS packaging/help_page.py docs/guide-ja.md ${guide_pictures})
add_custom_target(help_page ALL DEPENDS ${CMAKE_BINARY_DIR}/help/help.htm)

add_executable(win_tests
  tests/win/fake_system.cpp
  tests/win/frmAbout_test.cpp
  tests/win/sys_info_test.cpp
  tests/win/frmSysTray_test.cpp
  tests/win/commands_test.cpp
  tests/common/fake_file_data.cpp
  tests/win/tool_windows_test.cpp
  tests/win/resources_test.cpp
  tests/win/long_run_test.cpp
  tests/win/tray_picture_test.cpp
  tests/win/dpi_test.cpp
  tests/common/debug_output.cpp
  src/resources/tamarak.rc)
# GoogleTest's main with a watchdog that fails a hung test in a minute, naming it.
add_library(win_test_main STATIC tests/win/test_main.cpp)
target_link_libraries(win_test_main PUBLIC GTest::gtest tamarak_app)
target_include_directories(win_tests PRIVATE tests/common)
target_link_libraries(win_tests PRIVATE tamarak_app win_test_main psapi ntdll oleaut32)
gtest_discover_tests(win_tests DISCOVERY_MODE PRE_TEST)
# Under a data limit of 2 GB (Wine itself takes a few hundred MB of it), so the optimiser meets the end of
# memory midway through a run.
add_executable(win_limited_tests tests/win/optimiser_limit_test.cpp tests/win/fake_system.cpp src/resources/tamarak.rc)
target_link_libraries(win_limited_tests PRIVATE tamarak_app win_test_main psapi)
add_test(NAME OptimiserUnderALimit.StopsMidwayGivesEverythingBackAndGoesOnWorking
         COMMAND prlimit --data=2000000000 ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:win_limited_tests>)
# Stands in for the system information tool in the launcher's tests.
add_executable(msinfo_stand_in WIN32 tests/win/msinfo_stand_in.cpp)
target_link_options(msinfo_stand_in PRIVATE -municode)
add_dependencies(win_tests msinfo_stand_in)
target_compile_definitions(win_tests PRIVATE MSINFO_STAND_IN_EXE="$<TARGET_FILE:msinfo_stand_in>")

add_executable(e2e_tests tests/e2e/about_test.cpp tests/e2e/resident_test.cpp tests/e2e/commands_test.cpp
  tests/e2e/tool_windows_test.cpp tests/e2e/executable_test.cpp tests/e2e/drag_files.cpp tests/e2e/driver.cpp
  tests/common/debug_output.cpp tests/common/fake_file_data.cpp)
# Control and command ids only: the driver links none of the program.
target_include_directories(e2e_tests PRIVATE src tests/common)
target_link_libraries(e2e_tests PRIVATE GTest::gtest_main user32 gdi32 advapi32 ole32 ws2_32)
# A DLL planted beside a copy of the program, which must never run.
add_library(planted_dll SHARED tests/e2e/planted_dll.cpp tests/e2e/planted_dll.def)
set_target_properties(planted_dll PROPERTIES OUTPUT_NAME version PREFIX "")
add_dependencies(e2e_tests tamarak tamarak_ss help_page planted_dll msinfo_stand_in)
target_compile_definitions(e2e_tests PRIVATE TAMARAK_EXE="$<TARGET_FILE:tamarak>" TAMARAK_SS="$<TARGET_FILE:tamarak_ss>"
                                             HELP_PAGE="${CMAKE_BINARY_DIR}/help/help.htm"
                                             BROWSER_STAND_IN="$<TARGET_FILE:msinfo_stand_in>"
                                             PLANTED_DLL=L"$<TARGET_FILE:planted_dll>")
gtest_discover_tests(e2e_tests DISCOVERY_MODE PRE_TEST PROPERTIES RUN_SERIAL TRUE)

# Figures, not tests: run by scripts/bench.
add_executable(bench_fill_rate EXCLUDE_FROM_ALL bench/fill_rate.cpp)
target_link_libraries(bench_fill_rate PRIVATE tamarak_app psapi)
add_executable(bench_bare_tray EXCLUDE_FROM_ALL WIN32 bench/bare_tray.cpp)
target_link_options(bench_bare_tray PRIVATE -municode)
target_link_libraries(bench_bare_tray PRIVATE shell32)
add_executable(bench_refresh_cost EXCLUDE_FROM_ALL bench/refresh_cost.cpp)
target_link_options(bench_refresh_cost PRIVATE -municode)
target_link_libraries(bench_refresh_cost PRIVATE tamarak_app ntdll)
add_executable(bench_showing EXCLUDE_FROM_ALL bench/showing.cpp)
target_link_options(bench_showing PRIVATE -municode)
target_link_libraries(bench_showing PRIVATE tamarak_app ntdll)
add_executable(bench_soak EXCLUDE_FROM_ALL bench/soak.cpp)
target_link_options(bench_soak PRIVATE -municode)
target_link_libraries(bench_soak PRIVATE tamarak_app ntdll)
add_executable(bench_startup EXCLUDE_FROM_ALL bench/startup.cpp tests/e2e/driver.cpp tests/common/debug_output.cpp)
target_link_options(bench_startup PRIVATE -municode)
target_include_directories(bench_startup PRIVATE src tests/common)
# The end-to-end driver it shares holds the tests' fixture as well.
target_link_libraries(bench_startup PRIVATE GTest::gtest)
target_compile_definitions(bench_startup PRIVATE TAMARAK_EXE="$<TARGET_FILE:tamarak>")
add_executable(bench_footprint EXCLUDE_FROM_ALL bench/footprint.cpp)
target_link_options(bench_footprint PRIVATE -municode)
target_include_directories(bench_footprint PRIVATE src)
target_link_libraries(bench_footprint PRIVATE psapi)
add_executable(bench_ticks EXCLUDE_FROM_ALL bench/ticks.cpp)
target_link_options(bench_ticks PRIVATE -municode)
# All of them at once: scripts/check builds them, so a change that breaks one is seen at once.
add_custom_target(bench_programs DEPENDS bench_fill_rate bench_bare_tray bench_refresh_cost bench_showing bench_soak
                                         bench_startup bench_footprint bench_ticks)
