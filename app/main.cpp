#include "app/CertApplication.h"
#include "app/TfmMain.h"

int main(int argc, char** argv)
{
    CertApplication application(argc, argv);
    TfmMain mainWindow;
    mainWindow.show();
    return application.exec();
}
