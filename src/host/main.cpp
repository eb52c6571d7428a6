// qbx-host: the one-window host program.
#include "host/TForm1.h"
#include "platform/qt/QtPlatform.h"
#include "report/ClassRegistry.h"

#include <QApplication>

int main(int argc, char** argv)
{
    std::unique_ptr<QApplication> app = qbx::CreateApplication(argc, argv);
    qbx::QtPlatform platform;
    qbx::RegisterStandardClasses();
    qbx::TForm1 form;
    form.show();
    return app->exec();
}
