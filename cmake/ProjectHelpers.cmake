# Precompiled headers (RPQ_PCH): the Qt and standard headers most files include, compiled once per
# target; widget libraries and the tests take the widget headers too.
option(RPQ_PCH "Precompile the common Qt and standard headers" OFF)
set(RPQ_PCH_CORE <QtCore/QString> <QtCore/QStringList> <QtCore/QVariant> <QtCore/QDateTime>
    <QtCore/QList> <QtCore/QHash> <QtCore/QMap> <QtCore/QObject> <QtCore/QFile> <QtCore/QDir>
    <memory> <vector> <string> <functional> <map> <optional>)
set(RPQ_PCH_WIDGETS ${RPQ_PCH_CORE} <QtWidgets/QWidget> <QtWidgets/QApplication> <QtWidgets/QLabel>
    <QtWidgets/QLineEdit> <QtGui/QPainter> <QtGui/QFont>)
function(rpq_precompile name headers)
  if(RPQ_PCH)
    target_precompile_headers(${name} PRIVATE ${${headers}})
  endif()
endfunction()

# rpq_library(name SOURCES ... DEPENDS ...): one static library per source folder.
function(rpq_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  if("Qt6::Widgets" IN_LIST ARG_DEPENDS)
    rpq_precompile(${name} RPQ_PCH_WIDGETS)
  else()
    rpq_precompile(${name} RPQ_PCH_CORE)
  endif()
endfunction()

# rpq_test(name SOURCES ... DEPENDS ...): one GoogleTest executable, registered with CTest, on
# the shared main of tests/support: headless Qt, the Argentine regional settings, and an End
# hook that throws.
function(rpq_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} rpq_testmain rpq_testpaths GTest::gtest GTest::gmock)
  rpq_precompile(${name} RPQ_PCH_WIDGETS)
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
    DISCOVERY_TIMEOUT 60
    DISCOVERY_MODE PRE_TEST)
endfunction()
