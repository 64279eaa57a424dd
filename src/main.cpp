#include "core/platform/HttpClient.h"
#include "gui/app/SendoraApp.h"

int main(int argc, char* argv[])
{
    // libcurl's global set-up is not thread-safe: do it before any worker can start.
    HttpClient::globalInit();
    return SendoraApp::run(argc, argv);
}
