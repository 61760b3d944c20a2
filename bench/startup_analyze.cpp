// The program exactly as main() starts it, with the first-paint probe hooked into the
// application object's creation.

#include "firstpaint.h"

#include "app/application.h"

namespace {
void installProbe()
{
    FirstPaint::install();
}
}
Q_COREAPP_STARTUP_FUNCTION(installProbe)

int main(int argc, char *argv[])
{
    return runApplication(argc, argv);
}
