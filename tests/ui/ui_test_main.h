// The main() of every window test: the offscreen platform, a private runtime folder and a
// settings file of its own, so that no test reads or writes a user's settings.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#define TARVIK_UI_TEST_MAIN(TestClass)                                            \
  int main(int argc, char** argv) {                                               \
    QTemporaryDir runtime;                                                        \
    QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner |                \
                                              QFileDevice::WriteOwner |           \
                                              QFileDevice::ExeOwner);             \
    qputenv("QT_QPA_PLATFORM", "offscreen");                                      \
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());                          \
    qputenv("TARVIK_SETTINGS", (runtime.path() + "/tarvik.ini").toUtf8());        \
    QApplication app(argc, argv);                                                 \
    TestClass test;                                                               \
    return QTest::qExec(&test, argc, argv);                                       \
  }
