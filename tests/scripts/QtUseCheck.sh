#!/usr/bin/env bash
# Configures a small project of two libraries against cmake/QtUse.cmake and
# checks that the configuration stops, naming the fault, exactly when a
# library breaks one of its rules. The case names the fault:
#   PlainLibraryLinksQt         a library with no Qt header links Qt itself
#   PlainLibraryReachesQt       ... through a window library it links
#   PrivateLinkReachesQt        ... through a private link (static library)
#   AutomocWithoutQtObject      AUTOMOC on a library with no Q_OBJECT class
#   WindowLibraryMayLinkQt      (none) the window library links Qt, with moc
set -euo pipefail
source_dir="$1"
case_name="$2"
project="$(mktemp -d "${TMPDIR:-/tmp}/velmora-qt-use.XXXXXX")"
trap 'rm -rf "$project"' EXIT

printf 'int plainValue() { return 1; }\n' >"$project/Plain.cpp"
printf '#include <QWidget>\nclass Window : public QWidget {\n    Q_OBJECT\n};\n' >"$project/Window.h"
printf '#include "Window.h"\n' >"$project/Window.cpp"
plain_links=""
window_automoc="ON"
expected=""
case "$case_name" in
PlainLibraryLinksQt)
  plain_links="PUBLIC Qt6::Core"
  expected="plain includes no Qt header but links Qt6::Core" ;;
PlainLibraryReachesQt)
  plain_links="PUBLIC window"
  expected="plain includes no Qt header but links Qt6::Widgets through window" ;;
PrivateLinkReachesQt)
  plain_links="PRIVATE window"
  expected="plain includes no Qt header but links Qt6::Widgets through window" ;;
AutomocWithoutQtObject)
  printf '#include <QWidget>\nclass Window : public QWidget {};\n' >"$project/Window.h"
  expected="window has AUTOMOC on but no Q_OBJECT class" ;;
WindowLibraryMayLinkQt) ;;
*)
  echo "unknown case $case_name" >&2
  exit 2 ;;
esac

cat >"$project/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(QtUseCase LANGUAGES CXX)
add_library(Qt6::Core INTERFACE IMPORTED)
add_library(Qt6::Widgets INTERFACE IMPORTED)
target_link_libraries(Qt6::Widgets INTERFACE Qt6::Core)
add_library(window STATIC Window.cpp)
target_link_libraries(window PUBLIC Qt6::Widgets)
set_target_properties(window PROPERTIES AUTOMOC $window_automoc)
add_library(plain STATIC Plain.cpp)
target_link_libraries(plain $plain_links)
include("$source_dir/cmake/QtUse.cmake")
velmora_check_qt_use("\${CMAKE_CURRENT_SOURCE_DIR}")
CMAKE

status=0
output="$(cmake -S "$project" -B "$project/build" 2>&1)" || status=$?
if [ -z "$expected" ]; then
  if [ "$status" -ne 0 ]; then
    echo "$output" >&2
    echo "the configuration stopped though no library breaks a rule" >&2
    exit 1
  fi
  exit 0
fi
if [ "$status" -eq 0 ]; then
  echo "the configuration went through; expected: $expected" >&2
  exit 1
fi
if ! grep -qF "$expected" <<<"$output"; then
  echo "$output" >&2
  echo "the message does not say: $expected" >&2
  exit 1
fi
