#include <QApplication>

#include "shell/frmB3MasterMDI.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    StartProgram();
    const int result = app.exec();
    DestroyMainWindow();
    return result;
}
