// The main of the live test programs that start their LibreOffice case by case.

#include "livetesting.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    return tavrin::testing::endLiveOfficeCleanly() ? result : 1;
}
