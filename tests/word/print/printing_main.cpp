// The printing tests run inside a QApplication (fonts, the preview dialog). No CUPS server is reachable
// from them, so the system has no default printer and nothing can ever reach a real printer.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("CUPS_SERVER", "/nonexistent/tavrin-tests/cups.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
