// Test entry for suites that need Qt: the application object and the Qt platform layer exist for every test.
#include "platform/qt/QtPlatform.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QApplication> app = qbx::CreateApplication(argc, argv);
    qbx::QtPlatform platform;
    return RUN_ALL_TESTS();
}
