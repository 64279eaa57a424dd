#include "gui/app/SendoraApp.h"

int main(int argc, char* argv[])
{
    return SendoraApp::run(argc, argv);
}
